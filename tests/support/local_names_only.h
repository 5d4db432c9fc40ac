#pragma once

#include <QStringList>

// Test programs look up no host name but the loopback's: a test must never reach off the machine, and a
// lookup of a real name can stall it for the resolver's time-out. Every other name is refused at once, as one
// that does not exist, and noted here; the test main fails the test that asked.
namespace LocalNamesOnly {

// The names refused since the last call, oldest first.
QStringList TakeRefused();

} // namespace LocalNamesOnly
