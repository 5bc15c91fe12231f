#include "platform/networkcategory.h"

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

// GUIDs compare without regard to case: IP Helper writes them in capitals, COM's text in either.
bool sameId(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

int adapterNetworkCategory(const std::vector<ConnectedNetwork> &networks, const std::string &name,
                           bool linkUp, bool &unread) {
    unread = false;
    bool connected = false;
    int least = DomainCategory;
    for (const ConnectedNetwork &n : networks) {
        if (std::none_of(n.adapterIds.begin(), n.adapterIds.end(),
                         [&](const std::string &id) { return sameId(id, name); }))
            continue;
        connected = true;
        if (n.category == PublicCategory) {
            unread = false;
            return PublicCategory;
        }
        if (n.category == PrivateCategory || n.category == DomainCategory)
            least = std::min(least, n.category);
        else
            unread = true;
    }
    if (!connected) unread = linkUp;
    return connected && !unread ? least : UnreadCategory;
}

} // namespace platform
