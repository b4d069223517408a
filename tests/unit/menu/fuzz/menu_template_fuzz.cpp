// libFuzzer target: the template walk must stay inside its bytes, and whatever it accepts must
// describe levels that open and close exactly once each.
#include "widgets/menu/core/menu_template.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto items = ParseMenuTemplate({reinterpret_cast<const std::byte*>(data), size});
    if (!items) {
        return 0;
    }
    int open = 1;
    for (std::size_t i = 0; i < items->size(); ++i) {
        const MenuTemplateItem& item = (*items)[i];
        if (open <= 0 || item.levelsClosed < 0) {
            std::abort();
        }
        if (item.IsPopup()) {
            if (item.id != 0 || item.levelsClosed != 0) {
                std::abort();
            }
            ++open;
        } else {
            open -= item.levelsClosed;
        }
    }
    if (open != 0 || items->empty()) {
        std::abort();
    }
    return 0;
}
