#include "app/windowlist.h"
#include "calc/ui/form10.h"
#include "calc/ui/form11.h"
#include "calc/ui/form12.h"
#include "calc/ui/form13.h"
#include "calc/ui/form14.h"
#include "calc/ui/form15.h"
#include "calc/ui/form16.h"
#include "calc/ui/form17.h"
#include "calc/ui/form18.h"
#include "calc/ui/form24.h"
#include "calc/ui/form8.h"
#include "calc/ui/form9.h"
#include "formula/ui/form6.h"
#include "linalg/ui/form21.h"
#include "linalg/ui/form26.h"
#include "linalg/ui/form4.h"
#include "plot/ui/form5.h"
#include "plot/ui/form25.h"
#include "solvers/ui/form22.h"
#include "solvers/ui/form23.h"
#include "ui/ui/form2.h"
#include "ui/ui/form3.h"
#include "ui/ui/form19.h"
#include "ui/ui/form7.h"

#include <cstring>

namespace vy {

using Tool = TForm1::Tool;

// A factory for a window whose constructor takes the host and the data folder.
template <class Window>
std::unique_ptr<QWidget> make(WindowContext& c) {
    return std::make_unique<Window>(c.host, c.data);
}

// A window that opens in the middle of the main window.
template <class Window>
std::unique_ptr<QWidget> centred(std::unique_ptr<Window> window, WindowContext& c) {
    window->centreOn(&c.main);
    return window;
}

template <class Window>
std::unique_ptr<QWidget> makeCentred(WindowContext& c) {
    return centred(std::make_unique<Window>(c.host, c.data), c);
}

const std::vector<WindowSlot>& windowSlots() {
    static const std::vector<WindowSlot> table = {
        {"TForm2", "about the program and the computer", Tool::About,
         [](WindowContext& c) { return std::make_unique<TForm2>(c.host, c.data); },
         // The picture takes the user's colour first.
         [](QWidget& w, WindowContext& c) { static_cast<TForm2&>(w).Formcolor(c.main); }},
        {"TForm3", "calendar with today's date in words", Tool::Calendar, make<TForm3>,
         // Coloured and filled in before it shows (its activation runs again then).
         [](QWidget& w, WindowContext& c) {
             auto& calendar = static_cast<TForm3&>(w);
             calendar.Formcolor(c.main);
             calendar.FormActivate();
         }},
        {"TForm4", "linear systems of three and four equations", Tool::Systems34, make<TForm4>, {}},
        {"TForm5", "simple plotter on a square area", Tool::SimplePlot, make<TForm5>, {}},
        {"TForm6", "expression: postfix form and value, keypad", Tool::Expression,
         [](WindowContext& c) {
             return std::make_unique<TForm6>(c.host, c.data, [&c] { return c.window("TForm7"); });
         },
         {}},
        {"TForm7", "help on typing expressions (opened by TForm6)", std::nullopt,
         [](WindowContext& c) { return std::make_unique<TForm7>(c.host, c.data, &c.main); }, {}},
        {"TForm8", "number properties: prime, GCD, factors", Tool::Numbers, make<TForm8>, {}},
        {"TForm9", "percentages", Tool::Percentages, make<TForm9>, {}},
        {"TForm10", "logarithm to any base, exact factorial", Tool::Logarithm, make<TForm10>, {}},
        {"TForm11", "powers and roots, with their protocol", Tool::Power, make<TForm11>, {}},
        {"TForm12", "reference tables with the fire animation", Tool::Tables,
         [](WindowContext& c) {
             return centred(std::make_unique<TForm12>(c.host, c.data, [&c](const char* name) { return c.window(name); }),
                            c);
         },
         {}},
        {"TForm13", "table picture: identities (opened by TForm12)", std::nullopt, makeCentred<TForm13>, {}},
        {"TForm14", "table picture: trigonometric values (opened by TForm12)", std::nullopt, makeCentred<TForm14>, {}},
        {"TForm15", "table picture: signs (opened by TForm12)", std::nullopt, makeCentred<TForm15>, {}},
        {"TForm16", "table picture: logarithm rules (opened by TForm12)", std::nullopt, makeCentred<TForm16>, {}},
        {"TForm17", "inverse trigonometric functions in degrees", Tool::Arc, make<TForm17>, {}},
        {"TForm18", "table of powers of a number (opened by TForm12)", std::nullopt, makeCentred<TForm18>, {}},
        {"TForm21", "matrices: determinant, transpose, sums, products, rank", Tool::Matrices, make<TForm21>, {}},
        {"TForm22", "equation solver f(x) = 0", Tool::Equations, make<TForm22>, {}},
        {"TForm23", "definite integrals", Tool::Integrals, make<TForm23>, {}},
        {"TForm19", "settings: result font, animations, balloons, skin", Tool::Settings,
         [](WindowContext& c) -> std::unique_ptr<QWidget> {
             TForm19::Links links{&c.main, [&c] { c.main.UMMymessage(); },
                                  [&c](const char* name) { return c.window(name); }};
             return std::make_unique<TForm19>(c.host, c.data, c.skins, std::move(links));
         },
         {}},
        {"TForm24", "number systems and units of measure", Tool::NumberSystems,
         [](WindowContext& c) -> std::unique_ptr<QWidget> { return std::make_unique<TForm24>(c.host, c.data, &c.main); },
         {}},
        {"TForm25", "chart plotter with up to five curves", Tool::ChartPlot,
         [](WindowContext& c) -> std::unique_ptr<QWidget> { return std::make_unique<TForm25>(c.host, c.data, &c.main); },
         {}},
        {"TForm26", "linear systems of n equations", Tool::SystemsN, make<TForm26>, {}},
    };
    return table;
}

WindowList::WindowList(platform::Host host, DataFolder data) {
    skins_ = std::make_unique<SkinEngine>();
    main_ = std::make_unique<TForm1>(host, data, skins_.get());
    context_ = std::make_unique<WindowContext>(WindowContext{host, data, *main_, *this, *skins_});
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
    skins_.reset();
}

QWidget* WindowContext::window(const char* name) const { return list.window(name); }

QWidget* WindowList::window(const char* name) const {
    if (std::strcmp(name, "TForm1") == 0) return main_.get();
    for (const auto& [slotName, window] : tools_)
        if (std::strcmp(slotName, name) == 0) return window.get();
    return nullptr;
}

} // namespace vy
