#include "app/windowlist.h"
#include "solvers/ui/form22.h"
#include "solvers/ui/form23.h"

#include <cstring>

namespace vy {

using Tool = TForm1::Tool;

const std::vector<WindowSlot>& windowSlots() {
    static const std::vector<WindowSlot> table = {
        {"TForm2", Tool::About, {}, {}},
        {"TForm3", Tool::Calendar, {}, {}},
        {"TForm4", Tool::Systems34, {}, {}},
        {"TForm5", Tool::SimplePlot, {}, {}},
        {"TForm6", Tool::Expression, {}, {}},
        {"TForm7", std::nullopt, {}, {}},
        {"TForm8", Tool::Numbers, {}, {}},
        {"TForm9", Tool::Percentages, {}, {}},
        {"TForm10", Tool::Logarithm, {}, {}},
        {"TForm11", Tool::Power, {}, {}},
        {"TForm12", Tool::Tables, {}, {}},
        {"TForm13", std::nullopt, {}, {}},
        {"TForm14", std::nullopt, {}, {}},
        {"TForm15", std::nullopt, {}, {}},
        {"TForm16", std::nullopt, {}, {}},
        {"TForm17", Tool::Arc, {}, {}},
        {"TForm18", std::nullopt, {}, {}},
        {"TForm21", Tool::Matrices, {}, {}},
        {"TForm22", Tool::Equations,
         [](WindowContext& c) { return std::make_unique<TForm22>(c.host, c.data); }, {}},
        {"TForm23", Tool::Integrals,
         [](WindowContext& c) { return std::make_unique<TForm23>(c.host, c.data); }, {}},
        {"TForm19", Tool::Settings, {}, {}},
        {"TForm24", Tool::NumberSystems, {}, {}},
        {"TForm25", Tool::ChartPlot, {}, {}},
        {"TForm26", Tool::SystemsN, {}, {}},
    };
    return table;
}

WindowList::WindowList(platform::Host host, DataFolder data) {
    main_ = std::make_unique<TForm1>(host, data);
    context_ = std::make_unique<WindowContext>(WindowContext{host, data, *main_, *this});
    for (const WindowSlot& slot : windowSlots()) {
        if (!slot.create) continue;
        std::unique_ptr<QWidget> window = slot.create(*context_);
        if (!window) continue;
        QWidget* raw = window.get();
        if (slot.tool) {
            std::function<void()> before;
            if (slot.beforeShow)
                before = [raw, show = slot.beforeShow, ctx = context_.get()] { show(*raw, *ctx); };
            main_->setToolWindow(*slot.tool, raw, std::move(before));
        }
        tools_.emplace_back(slot.name, std::move(window));
    }
}

WindowList::~WindowList() {
    while (!tools_.empty()) tools_.pop_back();
    main_.reset();
}

QWidget* WindowContext::window(const char* name) const { return list.window(name); }

QWidget* WindowList::window(const char* name) const {
    if (std::strcmp(name, "TForm1") == 0) return main_.get();
    for (const auto& [slotName, window] : tools_)
        if (std::strcmp(slotName, name) == 0) return window.get();
    return nullptr;
}

} // namespace vy
