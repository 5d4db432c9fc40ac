#include "support/local_names_only.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <mutex>
#include <netdb.h>
#include <strings.h>

namespace {

std::mutex refusedMutex;
QStringList refused;

bool OnThisMachine(const char* name) {
    unsigned char address[sizeof(in6_addr)];
    return strcasecmp(name, "localhost") == 0 || inet_pton(AF_INET, name, address) == 1 ||
           inet_pton(AF_INET6, name, address) == 1;
}

} // namespace

// Defined in the test program, this comes before the C library's for every library the program loads, Qt's
// network library among them.
extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints, addrinfo** result) {
    using Lookup = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto next = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getaddrinfo"));
    if (node && !OnThisMachine(node)) {
        const std::lock_guard lock(refusedMutex);
        refused.append(QString::fromUtf8(node));
        return EAI_NONAME;
    }
    return next ? next(node, service, hints, result) : EAI_SYSTEM;
}

namespace LocalNamesOnly {

QStringList TakeRefused() {
    const std::lock_guard lock(refusedMutex);
    return std::exchange(refused, {});
}

} // namespace LocalNamesOnly
