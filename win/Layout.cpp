#include "win/Layout.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace win {

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

Rect ControlRect(const form::ControlRow& row, int dpi) {
    int left = row.left;
    int top = row.top;
    for (const char* name = row.container; name;) {
        const form::ControlRow* container = form::FindControl(name);
        if (!container) break;
        left += container->left;
        top += container->top;
        name = container->container;
    }
    // Both edges rounded on their own, so neighbours that touch in twips
    // still touch in pixels.
    const int x = TwipsToPixels(left, dpi);
    const int y = TwipsToPixels(top, dpi);
    return {x, y, TwipsToPixels(left + row.width, dpi) - x, TwipsToPixels(top + row.height, dpi) - y};
}

Rect ClientRect(int dpi) {
    return {0, 0, TwipsToPixels(form::kClientWidthTwips, dpi), TwipsToPixels(form::kClientHeightTwips, dpi)};
}

int FontHeight(form::Type type, int dpi) {
    return -static_cast<int>(std::lround(form::PointSize(type) * dpi / 72.0));
}

std::vector<const form::ControlRow*> CreationOrder() {
    const auto rows = form::WindowControls();
    std::vector<const form::ControlRow*> focusable, labels, frames;
    for (const form::ControlRow& row : rows) {
        switch (row.kind) {
            case form::Kind::Label: labels.push_back(&row); break;
            case form::Kind::Frame: frames.push_back(&row); break;
            default: focusable.push_back(&row); break;
        }
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });

    std::vector<const form::ControlRow*> order;
    bool groupPlaced = false;
    for (const form::ControlRow* row : focusable) {
        if (row->kind != form::Kind::Option) {
            // A field's label just before it: Windows names the field after it.
            for (const form::ControlRow* label : labels)
                if (label->labels && std::string_view(label->labels) == row->name) order.push_back(label);
            order.push_back(row);
        } else if (!groupPlaced) {
            groupPlaced = true;
            for (const form::ControlRow& option : rows)
                if (option.kind == form::Kind::Option) order.push_back(&option);
        }
    }
    for (const form::ControlRow* label : labels)
        if (!label->labels) order.push_back(label);
    // Containers come before what they hold in the rows: reversed, an inner
    // frame lies above its outer one.
    order.insert(order.end(), frames.rbegin(), frames.rend());
    return order;
}

bool StartsGroup(const std::vector<const form::ControlRow*>& order, std::size_t at) {
    return order[at]->kind != form::Kind::Option || at == 0 || order[at - 1]->kind != form::Kind::Option;
}

}  // namespace win
