// What happens in the program that changes which main-menu items are offered, named once for
// every layer: code below the main window reports an event through its context, and the main
// window turns it into menu changes (app/menu_states.h). Nothing here knows the menu.
#pragma once

namespace kb {

// The comments name who reports each event.
enum class MenuEvent {
    IntroClosed,                       // the intro window's close request
    RuleBaseLoadStarted,               // the rule-base load command, before its file dialog
    RuleBaseLoaded,                    // a load command whose load loaded its base
    ModelBaseLoaded,
    ExactConstraintBaseLoaded,
    UncertainConstraintBaseLoaded,
    AdviceBaseLoaded,
    GraphicsBaseLoaded,
    SoundBaseLoaded,
    ExternalContradictionFound,        // informuj_sprzecznosc_1z, at a rule-base load
    InternalContradictionFound,        // informuj_sprzecznosc_1w
    RedundantRulesFound,               // informuj_nadmiar_p
    ModelContradictionFound,           // informuj_sprzecznosc_mz, at a model-base load
    ModelRuleContradictionFound,       // informuj_sprzecznosc_mr
    ExactJointContradictionFound,      // informuj_sprzecznosc_2, at an exact-constraint load
    ExactJointRedundancyFound,         // informuj_nadmiar_2p
    UncertainJointContradictionFound,  // informuj_sprzecznosc_2p, at an uncertain-constraint load
    UncertainJointRedundancyFound,     // informuj_nadmiar_2pp
    ConclusionClashFound,              // the clash check of model and rule conclusions
    EditorCloseRequested,              // an editor window's close box, before its save question
    ImportReviewConfirmed,             // "&OK" of the review dialog of imported data
};

// Who listens to the events of a running program: the main window while it is open.
class EventSink {
public:
    virtual void report(MenuEvent event) = 0;

protected:
    ~EventSink() = default;
};

}  // namespace kb
