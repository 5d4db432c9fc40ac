#include "app/edit_commands.h"

#include "output/copy_image.h"
#include "output/cut_image.h"
#include "platform/message_box.h"
#include "state/map_state.h"
#include "view/invalidate.h"
#include "view/tarnwell_view.h"

#include <QCoreApplication>

namespace {

QSize ClientSize() {
    return g_pView ? g_pView->size() : QSize();
}

void Confirm(const QString& confirmation) {
    if (!confirmation.isEmpty())
        ShowMessage(confirmation);
}

} // namespace

void OnEditCopy() {
    Confirm(CCopyImage().CopyMap(ClientSize(), QCoreApplication::applicationDirPath()));
}

void OnEditCut() {
    const QString confirmation = CCutImage().CutMap(ClientSize(), QCoreApplication::applicationDirPath());
    if (confirmation.isEmpty())
        return;
    ShowMessage(confirmation);
    InvalidateView(true);
}
