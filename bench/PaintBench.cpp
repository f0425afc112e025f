// Benchmarks of painting: drawing operations and time of a full and of a tick's repaint.
#include <benchmark/benchmark.h>

#include "ruler/view/Canvas.h"
#include "ruler/view/RulerPainter.h"

namespace {

// Counts the calls that reach the device context; draws nothing.
class CountingCanvas : public Canvas {
public:
    explicit CountingCanvas(Rect clip) : m_clip(clip) {}

    long Operations() const { return m_operations; }

    Rect ClipBox() const override { return m_clip; }
    void SelectPen(Color) override { ++m_operations; }
    void Line(Point, Point) override { ++m_operations; }
    // Every character as wide as a digit of the 8-point font.
    int TextWidth(std::string_view text) const override { return 6 * static_cast<int>(text.size()); }
    int TextHeight() const override { return 13; }
    void SelectTextColor(Color) override { ++m_operations; }
    void TextCentred(const Rect&, std::string_view) override { ++m_operations; }
    void TextAt(Point, std::string_view) override { ++m_operations; }
    void Fill(const Rect&, Color) override { ++m_operations; }
    void StretchFromScreen(const Rect&, const Rect&, const Rect&) override { ++m_operations; }
    void StretchFromCopy(const Rect&, const Rect&, const Rect&) override { ++m_operations; }
    void FillChecker(const Rect&, Point) override { ++m_operations; }

private:
    Rect m_clip;
    long m_operations = 0;
};

// A 1000 by 200 ruler with every pane shown, in the unit given as the benchmark's argument.
RulerView WideRuler(const benchmark::State& state) {
    RulerView view;
    view.client = {0, 0, 1000, 200};
    view.measure.unit = static_cast<RulerUnit>(state.range(0));
    view.subject = {{640, 410}, {100, 300}, 0x00336699, {600, 700}, {400, 420}};
    view.texts = ReadoutTextsFor(view.subject, view.measure, false, std::nullopt);
    view.layout =
        LayoutPanes(view.client, 96, MeasureReadouts(CountingCanvas(view.client), view.measure), {{12, 13}, true});
    view.magnifier = MagnifierGeometryFor(view.layout.magnifier, 2, {640, 410}, {0, 0, 1920, 1080}, 96);
    return view;
}

// Paints `view` with the clip box `clip` as often as the benchmark asks; reports the
// operations of one paint as `counter`.
void PaintRepeatedly(benchmark::State& state, const RulerView& view, Rect clip, const char* counter) {
    long operations = 0;
    for (auto _ : state) {
        CountingCanvas canvas(clip);
        PaintRuler(canvas, view);
        operations = canvas.Operations();
        benchmark::DoNotOptimize(operations);
    }
    state.counters[counter] = static_cast<double>(operations);
}

// A repaint of the whole window: resizing, the context menu, an uncovered window.
void BM_PaintFull(benchmark::State& state) {
    const RulerView view = WideRuler(state);
    PaintRepeatedly(state, view, view.client, "ops_full");
}

// The repaint every timer tick asks for: the magnifier's inside only.
void BM_PaintTick(benchmark::State& state) {
    const RulerView view = WideRuler(state);
    PaintRepeatedly(state, view, view.layout.MagnifierInterior(), "ops_tick");
}

BENCHMARK(BM_PaintFull)->ArgName("unit")->DenseRange(UnitPixel, UnitLogical);
BENCHMARK(BM_PaintTick)->ArgName("unit")->DenseRange(UnitPixel, UnitLogical);

}  // namespace
