// Refresh of a themed Quick Save button and of a raised button with a picture and caption.
#include "controls/button_xp/Button_XP.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Refresh_Style3_265x25(benchmark::State& state) {
    QWidget window;
    voxtrel::Button_XP b(&window);
    b.InitProperties();
    b.setCaption("Quick Save");
    b.setButtonStyle(3);
    b.resize(265, 25);
    b.Refresh();
    for (auto _ : state) {
        b.Refresh();
    }
}
BENCHMARK(BM_Refresh_Style3_265x25)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_Refresh_Style0_120x40_Picture(benchmark::State& state) {
    QWidget window;
    voxtrel::Button_XP b(&window);
    b.InitProperties();
    QImage pic(32, 32, QImage::Format_RGB32);
    pic.fill(qRgb(255, 0, 255));
    for (int i = 4; i < 28; ++i) {
        for (int j = 4; j < 28; ++j) {
            pic.setPixel(i, j, qRgb(i * 8, j * 8, 90));
        }
    }
    b.setMaskColor(0x00FF00FF);
    b.setPicture(voxtrel::ButtonPicture::fromImage(pic));
    b.setCaption("Open &file");
    b.setButtonStyle(0);
    b.resize(120, 40);
    b.Refresh();
    for (auto _ : state) {
        b.Refresh();
    }
}
BENCHMARK(BM_Refresh_Style0_120x40_Picture)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
