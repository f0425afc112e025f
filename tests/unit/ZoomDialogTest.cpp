#include <gtest/gtest.h>

#include <map>

#include "res/resource.h"
#include "ruler/MenuMarks.h"
#include "zoom/ZoomRules.h"

namespace {

// The dialog's controls as the window system runs them: an automatic radio selects itself
// and clears its group before reporting the click, and the edit reports every change of
// its text at once, also when the exchange writes it.
class FakeZoomDialog : public DialogItems {
public:
    explicit FakeZoomDialog(ZoomDialogRules& rules) : m_rules(rules) {
        const char* captions[] = {"200%", "175%", "150%", "125%", "120%",
                                  "110%", "100%", "75%",  "50%"};
        for (int i = 0; i < kZoomPresetCount; ++i) caption[IDC_ZOOM_200 + i] = captions[i];
    }

    std::string edit;
    std::map<int, std::string> caption;
    std::map<int, bool> checked;
    std::vector<std::string> messages;
    int focus = 0;
    int changesDuringExchange = 0;  // edit changes reported while an exchange ran
    mutable int readsInsideWrite = 0;  // edit reads made from inside a write of the edit

    // The user types, pastes or steps the spin: the edit then holds `text`.
    void ChangeEdit(std::string_view text) {
        edit = std::string(text);
        if (m_rules.IsExchanging()) ++changesDuringExchange;
        m_rules.OnEditChanged(*this);
    }
    void Click(int radioId) {
        for (int id : RadioGroup(IDC_ZOOM_200)) checked[id] = id == radioId;
        m_rules.OnPresetClicked(*this, radioId);
    }
    // Captions of the selected radios.
    std::vector<std::string> Selected() const {
        std::vector<std::string> selected;
        for (int id : RadioGroup(IDC_ZOOM_200)) {
            if (IsRadioChecked(id)) selected.push_back(caption.at(id));
        }
        return selected;
    }

    std::string ItemText(int id) const override {
        if (id == IDC_PERCENT) {
            if (m_writing) ++readsInsideWrite;
            return edit;
        }
        const auto it = caption.find(id);
        return it == caption.end() ? std::string() : it->second;
    }
    void SetItemText(int id, std::string_view text) override {
        ASSERT_EQ(id, IDC_PERCENT);
        m_writing = true;
        ChangeEdit(text);
        m_writing = false;
    }
    bool IsRadioChecked(int id) const override {
        const auto it = checked.find(id);
        return it != checked.end() && it->second;
    }
    void SetRadioChecked(int id, bool value) override { checked[id] = value; }
    std::vector<int> RadioGroup(int firstId) const override {
        std::vector<int> group;
        for (int id = firstId; id <= IDC_ZOOM_50; ++id) group.push_back(id);
        return group;
    }
    void ReportInvalidWholeNumber(int id, std::string_view message) override {
        messages.emplace_back(message);
        focus = id;
    }

private:
    ZoomDialogRules& m_rules;
    bool m_writing = false;
};

// The ruler's side of the dialog: it hands over its zoom and takes the dialog's number
// only after IDOK.
struct ZoomSession {
    explicit ZoomSession(std::int32_t zoom) {
        ruler.zoom = zoom;
        rules.m_nPercent = ruler.zoom;
        dialog.ChangeEdit("0");  // the spin writes into its buddy while being created
        rules.OnInitDialog(dialog);
    }
    bool PressOk() {
        const bool ended = rules.OnOK(dialog);
        if (ended) ApplyZoomDialogResult(ruler, true, rules.m_nPercent);
        return ended;
    }
    void Cancel() { ApplyZoomDialogResult(ruler, false, rules.m_nPercent); }

    RulerSettings ruler;
    ZoomDialogRules rules;
    FakeZoomDialog dialog{rules};
};

using Selection = std::vector<std::string>;
const Selection kNone;

}  // namespace

TEST(PresetNumber, ReadsLeadingDigitsOfCaptionsEndingInPercent) {
    const struct {
        const char* caption;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"200%", 200}, {"75%", 75},  {"%", 0},           {"x%", 0},
        {" 5%", 0},    {"12a%", 12}, {"", std::nullopt}, {"200", std::nullopt},
        {"%20", std::nullopt},       {"99999999999%", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(PresetNumber(c.caption), c.expected) << c.caption;
}

TEST(ZoomDialog, OpensShowingCallersZoomAndItsPreset) {
    const struct {
        std::int32_t zoom;
        const char* edit;
        Selection selected;
    } cases[] = {
        {200, "200", {"200%"}}, {100, "100", {"100%"}}, {50, "50", {"50%"}},
        {130, "130", kNone},    {5, "5", kNone},
    };
    for (const auto& c : cases) {
        ZoomSession session(c.zoom);
        EXPECT_EQ(session.dialog.edit, c.edit);
        EXPECT_EQ(session.dialog.Selected(), c.selected) << c.zoom;
        EXPECT_TRUE(session.dialog.messages.empty());
        EXPECT_TRUE(session.PressOk());
        EXPECT_EQ(session.ruler.zoom, c.zoom);
    }
}

TEST(ZoomDialog, WindowOnlyControlsAreBoundFirstAndSetUpBeforeInitialised) {
    struct Rules : ZoomDialogRules {
        std::vector<std::string> calls;
        void ExchangeControls(CDataExchange& dx) override {
            calls.push_back(dx.m_bSaveAndValidate ? "read" : "write");
        }
        void InitControls() override {
            calls.push_back("init " + std::to_string(m_bInitialized));
        }
    } rules;
    FakeZoomDialog dialog(rules);
    rules.m_nPercent = 100;
    rules.OnInitDialog(dialog);
    EXPECT_EQ(rules.calls, (std::vector<std::string>{"write", "init 0", "read", "write"}));
}

// Each step leaves the edit as the user made it; the dialog answers at once.
TEST(ZoomDialog, EditChangesKeepPresetInStepAndRefuseNonNumbers) {
    const struct {
        std::int32_t start;
        std::vector<const char*> steps;
        const char* edit;
        Selection selected;
        std::size_t messages;
    } cases[] = {
        {100, {"1"}, "1", kNone, 0},
        {100, {"1", "12"}, "12", kNone, 0},
        {100, {"1", "12", "125"}, "125", {"125%"}, 0},
        {100, {"0", "07"}, "7", kNone, 0},
        {109, {"110"}, "110", {"110%"}, 0},  // a spin step
        {100, {" 75\t"}, "75", {"75%"}, 0},
        {100, {"200"}, "200", {"200%"}, 0},
        {100, {"50"}, "50", {"50%"}, 0},
        {100, {"x"}, "100", {"100%"}, 1},
        {130, {""}, "130", kNone, 1},
        {100, {"-"}, "100", {"100%"}, 1},
        {125, {"12", "12a"}, "12", kNone, 1},
        {100, {"99999999999"}, "100", {"100%"}, 1},
    };
    for (const auto& c : cases) {
        ZoomSession session(c.start);
        for (const char* step : c.steps) session.dialog.ChangeEdit(step);
        const std::string last = c.steps.back();
        EXPECT_EQ(session.dialog.edit, c.edit) << last;
        EXPECT_EQ(session.dialog.Selected(), c.selected) << last;
        ASSERT_EQ(session.dialog.messages.size(), c.messages) << last;
        if (c.messages > 0) {
            EXPECT_EQ(session.dialog.messages[0], "Bitte geben Sie eine ganze Zahl ein.");
            EXPECT_EQ(session.dialog.focus, IDC_PERCENT);
        }
        // The exchange's own writes of the edit report changes that must go unanswered.
        EXPECT_EQ(session.dialog.readsInsideWrite, 0) << last;
    }
}

TEST(ZoomDialog, ClickedPresetFillsEditAndIsReturnedByOk) {
    ZoomSession session(100);
    session.dialog.Click(IDC_ZOOM_75);
    EXPECT_EQ(session.dialog.edit, "75");
    EXPECT_EQ(session.dialog.Selected(), Selection{"75%"});
    EXPECT_GT(session.dialog.changesDuringExchange, 0);
    EXPECT_EQ(session.dialog.readsInsideWrite, 0);
    EXPECT_TRUE(session.PressOk());
    EXPECT_EQ(session.ruler.zoom, 75);
}

TEST(ZoomDialog, PresetNumbersComeFromTheCaptionsAsTheyAreNow) {
    ZoomSession session(100);
    session.dialog.caption[IDC_ZOOM_110] = "111%";
    session.dialog.ChangeEdit("111");
    EXPECT_EQ(session.dialog.Selected(), Selection{"111%"});
}

// Numbers are returned as typed, except that the ruler never gets a zoom below 1: OK then
// puts 1 in the edit without a message and keeps the dialog open.
TEST(ZoomDialog, OkReturnsTypedNumberAndCorrectsZoomsBelowOne) {
    const struct {
        const char* typed;
        bool endsAtFirstOk;
        const char* edit;
    } cases[] = {
        {"1", true, "1"},     {"5", true, "5"},        {"1000", true, "1000"},
        {"0", false, "1"},    {"-5", false, "1"},      {"-2147483648", false, "1"},
    };
    for (const auto& c : cases) {
        ZoomSession session(120);
        session.dialog.ChangeEdit(c.typed);
        EXPECT_EQ(session.PressOk(), c.endsAtFirstOk) << c.typed;
        EXPECT_EQ(session.dialog.edit, c.edit) << c.typed;
        EXPECT_EQ(session.dialog.Selected(), kNone) << c.typed;
        EXPECT_TRUE(session.dialog.messages.empty()) << c.typed;
        if (!c.endsAtFirstOk) {
            EXPECT_EQ(session.ruler.zoom, 120) << c.typed;
            EXPECT_TRUE(session.PressOk()) << c.typed;
        }
        EXPECT_EQ(session.ruler.zoom, std::stoi(c.edit)) << c.typed;
    }
}

TEST(ZoomDialog, CancelLeavesTheRulersZoom) {
    ZoomSession session(120);
    session.dialog.Click(IDC_ZOOM_75);
    session.dialog.ChangeEdit("130");
    session.dialog.ChangeEdit("0");
    session.Cancel();
    EXPECT_EQ(session.ruler.zoom, 120);
}
