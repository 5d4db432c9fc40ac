#pragma once

#include <QtGlobal>
#include <functional>

// Walks `columns` x `rows` tiles of the current zoom from (g_nOsmX, g_nOsmY), row by row, west to east;
// `visit` gets each tile's column and row and returns false to stop the walk. A count of 0 or less walks
// nothing; tile numbers beyond the range of a tile address are left out.
void WalkOsmGrid(qint64 columns, qint64 rows, const std::function<bool(qint32 x, qint32 y)>& visit);
