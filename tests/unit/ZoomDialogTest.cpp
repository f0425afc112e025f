#include <gtest/gtest.h>

#include "FakeDialogItems.h"
#include "res/resource.h"
#include "ruler/MenuMarks.h"
#include "zoom/ZoomRules.h"

namespace {

using Selection = std::vector<std::string>;
const Selection kNone;

// The rules with the window-only controls' exchanges, and the edit's text as each one
// starts, and their set-up recorded.
struct RecordingRules : ZoomDialogRules {
    std::vector<std::string> calls;
    void ExchangeControls(CDataExchange& dx) override {
        const std::string edit = dx.Items().ItemText(IDC_PERCENT);
        calls.push_back((dx.m_bSaveAndValidate ? "read " : "write ") + edit);
    }
    void InitControls() override { calls.push_back("init " + std::to_string(m_bInitialized)); }
};

// The dialog opened on `zoom`, its controls as the window system runs them: an automatic
// radio selects itself and clears its group before reporting the click, and the edit
// reports every change of its text at once, also when the exchange writes it.
class ZoomSession : public FakeDialogItems {
public:
    explicit ZoomSession(std::int32_t zoom) {
        const char* captions[] = {"200%", "175%", "150%", "125%", "120%",
                                  "110%", "100%", "75%",  "50%"};
        for (int i = 0; i < kZoomPresetCount; ++i) texts[IDC_ZOOM_200 + i] = captions[i];
        for (int i = 0; i < kZoomPresetCount; ++i) group.push_back(IDC_ZOOM_200 + i);
        onWrite = [this](int id) { EXPECT_EQ(id, IDC_PERCENT); EditChanged(); };
        rules.m_nPercent = zoom;
        ChangeEdit("0");  // the spin writes into its buddy while being created
        rules.OnInitDialog(*this);
    }

    RecordingRules rules;
    int changesInExchange = 0;  // edit changes reported while an exchange ran

    std::string Edit() const { return ItemText(IDC_PERCENT); }
    // The user types, pastes or steps the spin: the edit then holds `text`.
    void ChangeEdit(const std::string& text) { texts[IDC_PERCENT] = text; EditChanged(); }
    void Click(int radioId) {
        for (int id : group) checked[id] = id == radioId;
        rules.OnPresetClicked(*this, radioId);
    }
    Selection Selected() const {  // captions of the selected radios
        Selection selected;
        for (int id : group) {
            if (IsRadioChecked(id)) selected.push_back(ItemText(id));
        }
        return selected;
    }

private:
    void EditChanged() { changesInExchange += rules.IsExchanging(); rules.OnEditChanged(*this); }
};

TEST(PresetNumber, ReadsLeadingDigitsOfCaptionsEndingInPercent) {
    const std::optional<std::int32_t> kNo;
    const struct { const char* caption; std::optional<std::int32_t> expected; } cases[] = {
        {"200%", 200}, {"75%", 75}, {"%", 0},     {"x%", 0},    {" 5%", 0},
        {"12a%", 12},  {"", kNo},   {"200", kNo}, {"%20", kNo}, {"99999999999%", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(PresetNumber(c.caption), c.expected) << c.caption;
}

// The dialog opens on the caller's zoom. Each step is the edit's text as the user left it,
// and the dialog answers at once; text that is no whole number is refused with a message and
// the previous number comes back. OK hands back the edit's number, but never one below 1:
// the first OK then puts 1 in the edit without a message and keeps the dialog open.
TEST(ZoomDialog, KeepsEditAndPresetInStepAndOkHandsBackTheNumber) {
    const struct {
        int start; std::vector<std::string> steps; const char* edit; Selection selected;
        bool refused = false, belowOne = false;
    } cases[] = {
        {200, {}, "200", {"200%"}}, {100, {}, "100", {"100%"}}, {50, {}, "50", {"50%"}},
        {130, {}, "130", kNone},    {5, {}, "5", kNone},
        {100, {"1"}, "1", kNone},   {100, {"1", "12"}, "12", kNone},
        {100, {"1", "12", "125"}, "125", {"125%"}},
        {100, {"0", "07"}, "7", kNone},
        {109, {"110"}, "110", {"110%"}},  // a spin step
        {100, {" 75\t"}, "75", {"75%"}},  {100, {"200"}, "200", {"200%"}},
        {100, {"50"}, "50", {"50%"}},     {120, {"5"}, "5", kNone},
        {120, {"1000"}, "1000", kNone},
        {100, {"x"}, "100", {"100%"}, true}, {130, {""}, "130", kNone, true},
        {100, {"-"}, "100", {"100%"}, true}, {125, {"12", "12a"}, "12", kNone, true},
        {100, {"99999999999"}, "100", {"100%"}, true},
        {120, {"0"}, "0", kNone, false, true}, {120, {"-5"}, "-5", kNone, false, true},
        {120, {"-2147483648"}, "-2147483648", kNone, false, true},
    };
    using Reports = decltype(ZoomSession::reports);
    const Reports refusal{{IDC_PERCENT, "Bitte geben Sie eine ganze Zahl ein."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " then " << testing::PrintToString(c.steps));
        ZoomSession session(c.start);
        for (const std::string& step : c.steps) session.ChangeEdit(step);
        EXPECT_EQ(session.Edit(), c.edit);
        EXPECT_EQ(session.Selected(), c.selected);
        // The exchange's own writes of the edit report changes that must go unanswered.
        EXPECT_EQ(session.readsInsideWrite, 0);
        if (c.belowOne) {
            EXPECT_FALSE(session.rules.OnOK(session));
            EXPECT_EQ(session.Edit(), "1");
            EXPECT_EQ(session.Selected(), kNone);
        }
        EXPECT_TRUE(session.rules.OnOK(session));
        EXPECT_EQ(session.rules.m_nPercent, std::stoi(session.Edit()));
        EXPECT_EQ(session.reports, c.refused ? refusal : Reports{});
    }
}

// A click fills the edit; the ruler takes the number only after OK, never after Cancel.
TEST(ZoomDialog, ClickedPresetFillsEditAndOnlyOkHandsItBack) {
    for (bool ok : {true, false}) {
        ZoomSession session(120);
        session.Click(IDC_ZOOM_75);
        EXPECT_EQ(session.Edit(), "75");
        EXPECT_EQ(session.Selected(), Selection{"75%"});
        EXPECT_GT(session.changesInExchange, 0);
        EXPECT_EQ(session.readsInsideWrite, 0);
        if (!ok) session.ChangeEdit("130");  // then Cancel
        const bool endedWithOk = ok && session.rules.OnOK(session);
        RulerSettings ruler{UnitCentimetre, 120, false};
        ApplyZoomDialogResult(ruler, endedWithOk, session.rules.m_nPercent);
        EXPECT_EQ(ruler.zoom, ok ? 75 : 120);
    }
    // Preset numbers come from the captions as they are now.
    ZoomSession session(100);
    session.texts[IDC_ZOOM_110] = "111%";
    session.ChangeEdit("111");
    EXPECT_EQ(session.Selected(), Selection{"111%"});
}

// Controls only the window system has (the spin) are bound first, before the edit is written,
// and set up once the members were first written, before the dialog counts as initialised.
TEST(ZoomDialog, WindowOnlyControlsAreBoundFirstAndSetUpBeforeInitialised) {
    const std::vector<std::string> expected{"write 0", "init 0", "read 100", "write 100"};
    EXPECT_EQ(ZoomSession(100).rules.calls, expected);
}

}  // namespace
