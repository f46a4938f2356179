#!/usr/bin/env python3
"""Planted faults: proof that the test suite still catches the faults users would notice.

Each fault below is one small edit of the library that a user would see as a bug (a bevel edge
in the wrong colour, a setter that forgets to repaint, a signal sent twice, a translation file
with a raw tab, ...). The script copies the tracked tree into a scratch folder, builds it and runs
the unchanged suite once (it must pass), then plants the faults one at a time: patch the file,
build incrementally, run ctest, put the file back byte for byte. A fault is

    caught  when ctest fails,
    MISSED  when the whole suite still passes (the line names what is left unguarded),
    STALE   when its snippet no longer occurs exactly once (the code moved on: update the table),
    BROKEN  when the patched tree does not build (fix the replacement).

A fault marked for the "tsan" suite (a missing memory ordering, which only ThreadSanitizer
sees) is planted in a second build of the scratch copy, with ThreadSanitizer, that builds and
runs just the tests labelled "threads", as scripts/test.sh --tsan does.

Usage (standard library only; needs what ./scripts/test.sh needs):
    scripts/mutate.py                    every fault, in build-mutate/ (kept for the next run)
    scripts/mutate.py --check            only check that every snippet applies exactly once
    scripts/mutate.py --list             print the faults
    scripts/mutate.py --only ID[,ID...]  just these faults
    scripts/mutate.py --scratch DIR      copy and build in DIR (reused: builds stay incremental)
    scripts/mutate.py --with-packaging   also run the packaging_examples test
    scripts/mutate.py -j N               build with N jobs (default 2)
The exit status is non-zero when a fault is stale or broken, or the unchanged suite fails.
"""
import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from collections import namedtuple

# F(id, file, snippet, replacement, what stays unguarded when the suite misses the fault[, suite]).
# The snippet must occur exactly once in the file; the replacement must build and change
# behaviour. The suite is "" (the whole suite) or "tsan" (see SUITES).
F = namedtuple("Fault", "id file old new unguarded suite", defaults=("",))

# fmt: off
FAULTS = [
    # foundation/ ------------------------------------------------------------------------------
    F("bevel-first-colour-dark", "foundation/ShadedDrawing.cpp",
      "color(sunken ? QPalette::Dark : QPalette::Light)",
      "color(sunken ? QPalette::Light : QPalette::Dark)",
      "Raised and sunken bevels (switch knob, media bars, engraved text) draw their upper-left "
      "edge in the colour of the lower-right one and lose the engraved look."),
    F("vline-width-one-drawn-empty", "foundation/ShadedDrawing.cpp",
      "k >= 1; --k)\n    {\n        store.SetPen(FirstColor(sunken));\n"
      "        DrawLine(painter, x - k",
      "k > 1; --k)\n    {\n        store.SetPen(FirstColor(sunken));\n"
      "        DrawLine(painter, x - k",
      "A one-pixel shaded vertical line draws nothing: the groove across a lying switch knob "
      "disappears."),
    F("frame-fill-dropped", "foundation/ShadedDrawing.cpp",
      "    painter.fillRect(rect, painter.brush());\n", "",
      "Shaded frames are no longer filled with the painter's brush: the Stop, Pause and to-start "
      "bars of the media buttons are drawn hollow."),
    F("style-store-pen-leaks", "foundation/StyleStore.cpp",
      "    m_poPainter->setPen(m_oPen);\n    m_poPainter->setBrush(m_oBrush);",
      "    m_poPainter->setBrush(m_oBrush);",
      "The painter guard no longer restores the pen: after a bevel the next outline or text is "
      "drawn in the bevel's Light colour."),
    F("frame-checked-not-sunken", "foundation/ButtonBevel.cpp",
      "down = down || button.isChecked();", "down = down && button.isChecked();",
      "Checked keyboard and bitmap check boxes stand raised, and a pressed one only sinks while it "
      "is also checked."),
    F("state-switch-no-redraw", "foundation/StateData.cpp",
      "    m_State = state;\n    _StartOrStopBlink();\n    _Redraw();",
      "    m_State = state;\n    _StartOrStopBlink();",
      "Switching a shown lamp on or off does not repaint it: the old lamp stays until some other "
      "repaint."),
    F("state-blink-phase-stuck", "foundation/StateData.cpp",
      "m_bBlinkPhase = !m_bBlinkPhase;", "m_bBlinkPhase = true;",
      "A blinking lamp lights up at the first tick and never goes dark again."),
    F("state-colour-of-other-state-redraws", "foundation/StateData.cpp",
      "    if (!(state == m_State))\n        return;", "    if (state == m_State)\n        return;",
      "Configuring the colour or blinking of the shown state neither starts the blink clock nor "
      "repaints; configuring another state does."),
    F("blink-stop-ignored", "foundation/BlinkTimer.cpp",
      "    timer.stop();", "    (void)timer;",
      "Switching a blinking lamp off leaves its clock running and repainting every second."),
    F("style-store-font-kept", "foundation/StyleStore.cpp",
      "    m_poPainter->setFont(m_oFont);\n", "",
      "The painter guard leaves the font set under it: text drawn after a scaled legend or a "
      "ruler label comes out in their size."),
    F("cache-key-without-light", "foundation/PictureCache.cpp",
      "return *this << palette.color(QPalette::Light) << palette.color(QPalette::Dark);",
      "return *this << palette.color(QPalette::Dark);",
      "After the application changes its Light colour alone, cached symbols keep the old light "
      "edges."),
    F("cache-key-dark-twice", "foundation/PictureCache.cpp",
      "return *this << palette.color(QPalette::Light) << palette.color(QPalette::Dark);",
      "return *this << palette.color(QPalette::Light) << palette.color(QPalette::Light);",
      "After the application changes its Dark colour alone, cached symbols keep the old dark "
      "edges."),
    F("cache-key-overline-missing", "foundation/PictureCache.cpp",
      "font.key() << font.overline() <<", "font.key() <<",
      "An overlined legend shows the plain picture kept for its font without the overline."),
    F("cache-16-bit-blitted", "foundation/PictureCache.cpp",
      "    default:\n        return false;", "    default:\n        return true;",
      "On a 16- or 24-bit backing store kept pictures are blitted, and blended text and "
      "see-through bitmaps come out in other colours than drawn directly."),
    F("readers-event-only-when-active", "foundation/AccessibleControl.cpp",
      "        fnHandler(&event);", "        (void)fnHandler;",
      "UI-test tools on platforms without an accessibility bridge no longer hear name and "
      "description changes."),
    # buttons/ ---------------------------------------------------------------------------------
    F("arrow-left-dark-shaft-edge", "buttons/ArrowGeometry.cpp",
      "{{1, 2}, {3, 4, 5, 6, 7}}, {{0, 1}, {2, 3}})};", "{{1, 2}, {3, 4, 5, 6, 7}}, {{0, 1}})};",
      "The upper edge of the left arrow's shaft is drawn in the symbol colour instead of Dark."),
    F("arrow-right-light-tip-edge", "buttons/ArrowGeometry.cpp",
      "{{4, 5}, {6, 7}}, {{0, 1, 2, 3, 4}, {5, 6}})};", "{{4, 5}}, {{0, 1, 2, 3, 4}, {5, 6}})};",
      "The lower edge of the right arrow's head is drawn in the symbol colour instead of Light."),
    F("arrow-up-tip-one-low", "buttons/ArrowGeometry.cpp",
      "{m.midX, m.T + in},\n                                {m.R - in, m.midY},",
      "{m.midX, m.T + in + 1},\n                                {m.R - in, m.midY},",
      "The tip of the up arrow sits one row lower than on every other arrow."),
    F("arrow-fit-mode-unknown-square", "buttons/ArrowGeometry.cpp",
      "if (fitMode != CArrowButton::Square)", "if (fitMode == CArrowButton::Stretch)",
      "A fit mode outside the enumeration draws a square symbol instead of stretching it."),
    F("arrow-set-mode-no-repaint", "buttons/ArrowButton.cpp",
      "    m_eMode = mode;\n    repaint(rect());", "    m_eMode = mode;",
      "A shown arrow button keeps its old symbol after SetMode until some other repaint."),
    F("media-ramp-down-edges-flat", "buttons/MediaGeometry.cpp",
      "Line(EMediaInk::Dark, QPolygon({low, corner, right}))",
      "Line(EMediaInk::Symbol, QPolygon({low, corner, right}))",
      "The ramp-down symbol loses its Dark left and upper edges."),
    F("media-repeat-arc-one-low", "buttons/MediaGeometry.cpp",
      "QRectF(a.L + 6, a.T + 6,", "QRectF(a.L + 6, a.T + 7,",
      "The repeat symbol's arc sits one row low, off centre and into its arrowhead."),
    F("media-drop-line-solid", "buttons/MediaGeometry.cpp",
      "Line(EMediaInk::SymbolDashed, QPoint{a.cx, a.T + 6}, QPoint{farX, a.T + 6})",
      "Line(EMediaInk::Symbol, QPoint{a.cx, a.T + 6}, QPoint{farX, a.T + 6})",
      "The far half of the drop symbols' top line is solid instead of dashed."),
    F("media-crossed-head-symbol-ink", "buttons/MediaGeometry.cpp",
      "Polygon(RightArrowhead(a), EMediaInk::DarkFill),", "Polygon(RightArrowhead(a)),",
      "The crossed drop symbol draws its right arrowhead in the symbol colour instead of Dark."),
    F("media-set-mode-no-repaint", "buttons/MediaButton.cpp",
      "    m_eMode = mode;\n    _Redraw();", "    m_eMode = mode;",
      "A shown media button keeps its old symbol after SetMode."),
    F("media-lamp-size-default", "buttons/MediaButton.cpp",
      "m_nLampSize(15)", "m_nLampSize(14)",
      "A new media button's lamp is 14 pixels instead of 15."),
    F("key-outline-up-filled", "buttons/KeyboardGeometry.cpp",
      "case CKeyboardButtonBase::OutlineArrowUp:\n    case CKeyboardButtonBase::OutlineArrowDown:\n"
      "    case CKeyboardButtonBase::BlockArrowUp1:",
      "case CKeyboardButtonBase::OutlineArrowDown:\n    case CKeyboardButtonBase::BlockArrowUp1:",
      "The hollow up arrow key is drawn filled."),
    F("key-right-arrow-head", "buttons/KeyboardGeometry.cpp",
      "{tip - 12, y - 4},", "{tip - 11, y - 4},",
      "The right arrow key's head is one pixel shorter at its upper barb."),
    F("key-block-arrow-right-corner", "buttons/KeyboardGeometry.cpp",
      "{R - 4, yc},", "{R - 5, yc},",
      "The block arrow's right head corner is one pixel further in than the left one."),
    F("key-corner-arrow-turn", "buttons/KeyboardGeometry.cpp",
      "const int y = std::min(T + h2 + 25, B - 6);", "const int y = std::min(T + h2 + 25, B - 5);",
      "The corner arrow turns one row lower, closer to the key's bottom edge."),
    F("key-scale-with-bottom-left", "buttons/KeyboardGeometry.cpp",
      "const bool scale = scaled && bottomLeft.empty();", "const bool scale = scaled;",
      "A scaled key with three legends changes the legend sizes instead of keeping the font."),
    F("key-text-size-mode-no-repaint", "buttons/KeyboardButtonBase.cpp",
      "    m_eTextSizeMode = mode;\n    _Redraw();", "    m_eTextSizeMode = mode;",
      "A shown key keeps its old legend sizes after SetTextSizeMode."),
    F("key-check-box-hit-indicator-only", "buttons/KeyboardCheckBox.cpp",
      "    return rect().contains(pos);", "    return QCheckBox::hitButton(pos);",
      "A click on a keyboard check box's face outside the small indicator area does not toggle "
      "it."),
    F("bitmap-left-aligned-centred", "buttons/BitmapGeometry.cpp",
      "        return {0, freeH / 2};", "        return {freeW / 2, freeH / 2};",
      "A left-aligned bitmap is drawn in the horizontal centre."),
    F("bitmap-top-aligned-at-bottom", "buttons/BitmapGeometry.cpp",
      "        return {freeW / 2, 0};", "        return {freeW / 2, freeH};",
      "A top-aligned bitmap is drawn at the bottom."),
    F("bitmap-set-mode-no-repaint", "buttons/BitmapHelper.cpp",
      "    m_eMode = mode;\n    _Redraw();", "    m_eMode = mode;",
      "A shown bitmap button keeps its old bitmap placement after SetMode."),
    F("switch-knob-not-moved", "buttons/SwitchGeometry.cpp",
      "    if (checked)\n        std::swap(first, second);",
      "    if (!checked)\n        std::swap(first, second);",
      "The switch shows its knob on the wrong side for its state."),
    F("switch-groove-direction", "buttons/SwitchGeometry.cpp",
      "layout.bVerticalGroove = !standing;", "layout.bVerticalGroove = standing;",
      "The groove across the knob runs along it instead of across it."),
    F("switch-draw-mode-no-repaint", "buttons/CheckBoxSwitch.cpp",
      "    m_eDrawMode = mode;\n    updateGeometry();\n    repaint(rect());",
      "    m_eDrawMode = mode;\n    updateGeometry();",
      "A shown switch keeps its old orientation after SetDrawMode."),
    F("switch-text-mode-no-repaint", "buttons/CheckBoxSwitch.cpp",
      "    m_eTextMode = mode;\n    updateGeometry();\n    repaint(rect());",
      "    m_eTextMode = mode;\n    updateGeometry();",
      "A shown switch keeps its old text placement after SetTextMode."),
    F("media-lamp-one-right", "buttons/MediaGeometry.cpp",
      "return QRect(content.right() - lampSize - 1, content.top(), lampSize, lampSize);",
      "return QRect(content.right() - lampSize, content.top(), lampSize, lampSize);",
      "The media button's lamp touches the right edge of the content instead of standing one "
      "column in."),
    F("media-lamp-one-low", "buttons/MediaGeometry.cpp",
      "return QRect(content.right() - lampSize - 1, content.top(), lampSize, lampSize);",
      "return QRect(content.right() - lampSize - 1, content.top() + 1, lampSize, lampSize);",
      "The media button's lamp sits one row below the top of the content."),
    F("bitmap-left-aligned-rounded-down", "buttons/BitmapGeometry.cpp",
      "        return {0, freeH / 2};", "        return {0, (freeH + 1) / 2};",
      "A left-aligned bitmap lower than the face sits one row too low."),
    F("bitmap-centred-rounded-right", "buttons/BitmapGeometry.cpp",
      "        return {freeW / 2, freeH / 2};", "        return {(freeW + 1) / 2, freeH / 2};",
      "A centred bitmap narrower than the face sits one column too far right."),
    F("switch-text-touches", "buttons/SwitchGeometry.cpp",
      "QRect(QPoint(s + 2, 0), QPoint(w - 1, h - 1));",
      "QRect(QPoint(s + 1, 0), QPoint(w - 1, h - 1));",
      "The switch's text starts one pixel closer to the switch."),
    F("switch-text-left-gap-wide", "buttons/SwitchGeometry.cpp",
      "QRect(QPoint(0, 0), QPoint(w - s - 3, h - 1));",
      "QRect(QPoint(0, 0), QPoint(w - s - 4, h - 1));",
      "A text left of the switch ends one pixel further from it."),
    F("arrow-mode-silent-to-readers", "buttons/ArrowButton.cpp",
      "    if (bRenamed)\n        Detail::NotifyAccessible", "    if (!bRenamed)\n        Detail::NotifyAccessible",
      "Screen readers keep the old arrow name after SetMode, and hear a change when nothing changed."),
    F("media-lamp-silent-to-readers", "buttons/MediaButton.cpp",
      "if (bChanged && m_eOnOffMode != NoLamp)", "if (bChanged && m_eOnOffMode == NoLamp)",
      "Switching a media button's lamp on or off leaves screen readers with the old description."),
    F("key-legends-silent-to-readers", "buttons/KeyboardButtonBase.cpp",
      "    m_eMode = Labels;\n    _Redraw();\n    if (bRenamed)",
      "    m_eMode = Labels;\n    _Redraw();\n    if (bRenamed && m_eMode != Labels)",
      "New key legends are not announced: screen readers keep reading the old ones."),
    # displays/ --------------------------------------------------------------------------------
    F("histogram-bars-kept-stale", "displays/HistogramDisplay.cpp",
      "        list.pBars.reset();\n", "        (void)list;\n",
      "A histogram fed new counts for an unchanged view keeps showing the bars of the old counts."),
    F("ruler-span-one-short", "displays/BarGeometry.cpp",
      "const int span = yBottom - yTop + 1;", "const int span = yBottom - yTop;",
      "The 100 % mark lands on the scale area's top row instead of one row above it."),
    F("ruler-marks-rounded", "displays/BarGeometry.cpp",
      "const int y = yBottom - static_cast<int>(span * fraction);",
      "const int y = yBottom - static_cast<int>(span * fraction + 0.5);",
      "Ruler marks are rounded instead of truncated and disagree with the bars beside them."),
    F("ruler-steps-no-update", "displays/BarScalePercent.cpp",
      "    m_nSteps = steps;\n    update();", "    m_nSteps = steps;",
      "A shown ruler keeps its old marks after SetSteps."),
    F("ruler-scale-mode-no-update", "displays/BarScalePercent.cpp",
      "    m_bTicksRight = ticksRight;\n    update();", "    m_bTicksRight = ticksRight;",
      "A shown ruler keeps its old ticks after SetScaleMode."),
    F("ruler-font-ignored", "displays/BarScalePercent.cpp",
      "return m_bRulerFontSet ? m_oRulerFont : font();", "return font();",
      "The ruler labels ignore the ruler font and use the widget's font."),
    F("ruler-tick-colours-swapped", "displays/BarScalePercent.cpp",
      "const QPen dark(palette.color(QPalette::Dark), 1);",
      "const QPen dark(palette.color(QPalette::Light), 1);",
      "Ruler ticks lose their dark upper row and look flat."),
    F("footer-font-from-title", "displays/BarBase.cpp",
      "return _GetEffectiveFont(m_oFooter);", "return _GetEffectiveFont(m_oTitle);",
      "The footer band is as high as the title font, not the footer font."),
    F("data-list-green-blue-swapped", "displays/DisplayTexts.cpp",
      "GetGreen(), channel) + separator +\n"
      "                              channelText(value.m_oColor.GetBlue",
      "GetBlue(), channel) + separator +\n"
      "                              channelText(value.m_oColor.GetGreen",
      "The text form of a data list mode gives the colour as red, blue, green."),
    F("histogram-vertical-to-horizontal", "displays/HistogramDisplayBase.cpp",
      "&CHistogramDisplayBase::_VScrollSlot);", "&CHistogramDisplayBase::_HScrollSlot);",
      "Moving the histogram's vertical scroll bar scrolls it horizontally."),
    F("lamp-base-tick-lost", "displays/StateLampBase.cpp",
      "void CStateLampBase::_BlinkSlot()\n{\n    _OnBlinkTimer();",
      "void CStateLampBase::_BlinkSlot()\n{",
      "Lamps built on the lamp base never see their blink ticks."),
    F("ruler-left-ticks-into-labels", "displays/BarGeometry.cpp",
      "layout.nLeftTickEnd = right - labelWidth - 3;", "layout.nLeftTickEnd = right - labelWidth - 2;",
      "Left-only ruler ticks reach one pixel closer to the right-aligned labels."),
    F("ruler-right-ticks-short", "displays/BarGeometry.cpp",
      "layout.nRightTickStart = left + labelWidth + 3;",
      "layout.nRightTickStart = left + labelWidth + 4;",
      "Right-only ruler ticks start one pixel further from the labels."),
    F("footer-size-from-title", "displays/BarBase.cpp",
      "_SetFont(m_oFooter, Detail::WithPixelSize(_GetFooterFont(), pixelSize));",
      "_SetFont(m_oFooter, Detail::WithPixelSize(_GetTitleFont(), pixelSize));",
      "SetFooterSize gives the footer the title's family, weight and style."),
    F("title-size-from-footer", "displays/BarBase.cpp",
      "_SetFont(m_oTitle, Detail::WithPixelSize(_GetTitleFont(), pixelSize));",
      "_SetFont(m_oTitle, Detail::WithPixelSize(_GetFooterFont(), pixelSize));",
      "SetTitleSize gives the title the footer's family, weight and style."),
    F("lamp-base-stop-ignored", "displays/StateLampBase.cpp",
      "void CStateLampBase::_StopBlinkTimer()\n{\n    Detail::StopBlinkTimer(m_oBlinkTimer);",
      "void CStateLampBase::_StopBlinkTimer()\n{",
      "A lamp built on the lamp base keeps blinking after the application stops it."),
    # displays/: histogram and trend ----------------------------------------------------------
    F("histogram-shared-column-last", "displays/HistogramGeometry.cpp",
      "largest = std::max(largest, count(i));", "largest = count(i);",
      "Classes sharing a pixel column show their last count: peaks vanish from a 16-bit "
      "histogram."),
    F("histogram-negative-count-drawn", "displays/HistogramGeometry.cpp",
      "return count > 0.0 ? count : 0.0;", "return std::isnan(count) ? 0.0 : std::abs(count);",
      "Negative counts are drawn as positive bars."),
    F("histogram-bar-one-row-high", "displays/HistogramGeometry.cpp",
      "QPoint(band.nLeft, bottom + 1 - band.nRows)", "QPoint(band.nLeft, bottom - band.nRows)",
      "Every bar reaches one row too high."),
    F("histogram-bar-spills-right", "displays/HistogramGeometry.cpp",
      "QPoint(x - 1, bottom - below)", "QPoint(x, bottom - below)",
      "A bar spills one column into a lower right-hand neighbour."),
    F("trend-range-one-row-short", "displays/PlotPainting.cpp",
      "static_cast<int>(std::floor(bottom)) - high + 1", "static_cast<int>(std::floor(bottom)) - high",
      "Each column of a trend loses its lowest row; a flat stretch of samples disappears."),
    F("plot-end-labels-cut", "displays/PlotPainting.cpp",
      "Sized(area.left(), layout.oPlot.bottom() + 2, area.right(),",
      "Sized(left, layout.oPlot.bottom() + 2, layout.oPlot.right(),",
      "Time and class labels at the plot's ends are cut: \"1000\" at the left end reads \"00\"."),
    F("trend-frame-repaints-plot-only", "displays/TrendDisplay.cpp",
      "            m_pState->nReadout >= 0 || markers)\n        {\n            update();",
      "            m_pState->nReadout >= 0 || markers)\n        {\n            update(m_pState->Layout().oPlot);",
      "A live trend repaints only its plot: the time and value labels keep stale numbers "
      "(\"1000\" reads \"10000\") until something else repaints them."),
    F("trend-time-labels-absolute", "displays/TrendState.cpp",
      "std::clamp((label.dValue - start) / span, 0.0, 1.0)",
      "std::clamp(label.dValue / span - start / span, 0.0, 1.0)",
      "Time labels of Unix seconds sit a few pixels off their ticks (the fraction is taken of "
      "two huge numbers)."),
    F("histogram-log-scale-ignored", "displays/HistogramDisplay.cpp",
      "    if (m_bLogScale)\n    {", "    if (false)\n    {",
      "SetLogScale(true) keeps the linear value axis."),
    F("histogram-pan-ignored", "displays/HistogramDisplay.cpp",
      "        SetVisibleClasses(nSliderPos, m_nVisibleCount);", "",
      "Dragging the histogram's horizontal scroll bar does not pan the zoomed classes."),
    F("histogram-span-order-kept", "displays/HistogramDisplay.cpp",
      "        std::swap(first, last);\n", "",
      "A shaded span given last class first (a range slider dragged backwards) is not drawn."),
    F("histogram-wheel-zooms-out", "displays/HistogramInteraction.cpp",
      "std::pow(kZoomStep, steps)", "std::pow(1.0 / kZoomStep, steps)",
      "Turning the wheel forward zooms the histogram out instead of in."),
    F("trend-join-dropped", "displays/PlotPainting.cpp",
      "        join(column);\n    }", "    }",
      "The trend draws each pixel column's range but not the line from one sample to the next: "
      "sparse data shows as dots."),
    F("trend-marker-wide-pen", "displays/TrendState.cpp",
      "QPen pen(series.oColor, 0);", "QPen pen(series.oColor, 2);",
      "Sample markers are stroked two pixels wide: crosses and squares smear into blots."),
    F("trend-older-time-accepted", "displays/TrendData.cpp",
      "if (!std::isfinite(time) || (m_nSize > 0 && time < m_dNewest))",
      "if (!std::isfinite(time))",
      "A sample older than the newest one is stored out of order instead of refused."),
    F("trend-infinite-time-accepted", "displays/TrendData.cpp",
      "if (!std::isfinite(time) || (m_nSize > 0 && time < m_dNewest))",
      "if (std::isnan(time) || (m_nSize > 0 && time < m_dNewest))",
      "A sample at time +inf is stored: every later finite sample is refused, and the axis "
      "stretches to infinity."),
    F("trend-clear-keeps-ring-start", "displays/TrendData.cpp",
      "    m_vValue.clear();\n    m_nHead = 0;", "    m_vValue.clear();",
      "After clearing a series whose ring had wrapped, new samples are read from the wrong "
      "slots: the trend shows them in the wrong order."),
    F("trend-trim-skipped", "displays/TrendState.cpp",
      "            cache.Trim(series.oRing);\n", "",
      "A trend whose ring overwrites its oldest samples still draws them: the plot shows data "
      "the trend no longer has."),
    F("trend-shrink-keeps-oldest", "displays/TrendData.cpp",
      "for (std::uint64_t sample = m_nEnd - kept; sample < m_nEnd; ++sample)",
      "for (std::uint64_t sample = Begin(); sample < Begin() + kept; ++sample)",
      "Shrinking the trend's capacity keeps the oldest samples and loses the newest."),
    F("trend-append-no-frame", "displays/TrendDisplay.cpp",
      "        QCoreApplication::postEvent(this, new QEvent(Detail::FrameEventType()));\n",
      "",
      "Appended samples neither move the history bar nor send windowChanged; a hidden trend's "
      "window moves unannounced."),
    F("trend-hidden-frame-skipped", "displays/TrendDisplay.cpp",
      "        m_pState->bFramePending = false;\n        _Frame();",
      "        m_pState->bFramePending = false;\n        if (isVisible())\n            _Frame();",
      "A trend in a hidden tab moves its window without windowChanged."),
    F("trend-window-ends-at-first-sample", "displays/TrendState.cpp",
      "grid.nFirst = last - first < grid.nCount ? first : last + 1 - grid.nCount;",
      "grid.nFirst = last + 1 - grid.nCount;",
      "A live trend's first sample jumps the time axis to negative times; the data sit in the "
      "right fifth of the plot until the window is full."),
    F("trend-autorange-first-series", "displays/TrendState.cpp",
      "        range.second = std::fmax(range.second, columns.second);\n    }",
      "        range.second = std::fmax(range.second, columns.second);\n        break;\n    }",
      "The automatic value axis fits only the first series: a second, lower one runs off the "
      "plot."),
    F("trend-line-out-dropped", "displays/PlotPainting.cpp",
      "if (last == static_cast<int>(columns.size()) - 1 && cache.Exit().bHasData)",
      "if (last == static_cast<int>(columns.size()) && cache.Exit().bHasData)",
      "A scrolled-back trend stops its line at the last sample in the window instead of drawing "
      "it on towards the next one."),
    F("trend-picture-shift-short", "displays/TrendState.cpp",
      "screen.oRaster.ShiftLeft(static_cast<int>(shift), colors.front());",
      "screen.oRaster.ShiftLeft(static_cast<int>(shift) - 1, colors.front());",
      "A following trend's kept picture moves one column too few: its lines smear on screen."),
    F("trend-redraw-from-next-column", "displays/TrendState.cpp",
      "first = std::max<std::int64_t>(first, 0);", "first = std::max<std::int64_t>(first + 1, 0);",
      "The column where new samples join the line is not redrawn on screen: the join is missing "
      "until something else repaints."),
    F("trend-new-columns-unannounced", "displays/TrendData.cpp",
      "    _Changed(changed.first, changed.second);\n    return changed;", "    return changed;",
      "New samples in a window that does not move never reach the screen."),
    F("trend-line-out-unannounced", "displays/TrendData.cpp",
      "        changed.second = m_oGrid.nCount - 1;\n", "",
      "A sample arriving past a scrolled-back window does not draw the line out of it on screen."),
    F("trend-surround-palette-blind", "displays/TrendState.cpp",
      "                           QGuiApplication::palette().cacheKey(),",
      "                           0,",
      "After a palette change a shown trend keeps its axes, labels and legend in the old colours."),
    F("trend-raster-clip-short", "displays/PlotRaster.cpp",
      "    m_nClipRight = std::min(last, m_oImage.width() - 1);",
      "    m_nClipRight = std::min(last - 1, m_oImage.width() - 1);",
      "The last of the columns a shown trend redraws keeps its old pixels: the newest sample "
      "is missing on screen."),
    F("trend-raster-steep-unclamped", "displays/PlotRaster.cpp",
      "std::min(from, to), std::max(from, to));",
      "std::min(from, to) - kSub, std::max(from, to) + kSub);",
      "A steep line ends half a row past its end sample, reaching a column the next frame "
      "does not redraw: the shown trend keeps a stray pixel."),
    F("trend-sync-misses-fixed-range", "displays/TrendState.cpp",
      "    if (bSynced && bLayoutValid && Grid(dpr) == oSyncedGrid",
      "    if (bLayoutValid && Grid(dpr) == oSyncedGrid",
      "A trend without series ignores a fixed value range set in code or in a form."),
    F("zoom-box-rows-upside-down", "displays/PlotView.cpp",
      "    return Checked({x(inside.left()), x(inside.right()), y(inside.bottom()), y(inside.top())},",
      "    return Checked({x(inside.left()), x(inside.right()), y(inside.top()), y(inside.bottom())},",
      "A box dragged over the upper half of a trend zooms into its lower half."),
    F("pan-follows-against-the-pointer", "displays/PlotView.cpp",
      "    const double dx = -delta.x() * (view.dX1 - view.dX0) / (plot.width() - 1);",
      "    const double dx = delta.x() * (view.dX1 - view.dX0) / (plot.width() - 1);",
      "Dragging the trend to the right shows later times instead of earlier ones."),
    F("zoom-wheel-ignores-ctrl", "displays/PlotView.cpp",
      "    if (!valueOnly)\n    {\n        next.dX0",
      "    if (true)\n    {\n        next.dX0",
      "Ctrl and the wheel zoom the time axis too, not only the values."),
    F("readout-nearest-by-time-only", "displays/TrendState.cpp",
      "const double dy = ValueRow(Scale(vSeries[i]), plot, ring.Value(sample)) - 0.5 - at.y();",
      "const double dy = 0.0;",
      "The readout picks the sample nearest in time, not the one nearest the pointer."),
    F("feed-drops-told-with-first-share", "displays/FeedQueue.cpp",
      "    if (tail == published)\n",
      "    if (true)\n",
      "Samples a full queue dropped are marked before the newest samples that arrived, not "
      "after them."),
    F("trend-value-range-order-kept", "displays/TrendDisplay.cpp",
      "m_pState->oFixed = {std::min(min, max), std::max(min, max), false};",
      "m_pState->oFixed = {min, max, false};",
      "SetValueRange(10, -40) draws an axis upside down instead of -40 to 10."),
    F("trend-equal-time-refused", "displays/TrendData.cpp",
      "(m_nSize > 0 && time < m_dNewest)", "(m_nSize > 0 && time <= m_dNewest)",
      "Two samples with the same time (common at a coarse clock) lose the second one."),
    F("trend-batch-stops-at-refused", "displays/TrendData.cpp",
      "        stored += Push(times[i * stride], values[i * stride]) ? 1 : 0;",
      "        if (!Push(times[i * stride], values[i * stride]))\n            break;\n"
      "        ++stored;",
      "A batch of samples stops at the first refused one and drops the good ones after it."),
    F("histogram-pan-past-last-class", "displays/HistogramDisplay.cpp",
      "first = count == 0 ? 0 : std::clamp(first, 0, classes - count);",
      "first = count == 0 ? 0 : std::clamp(first, 0, classes - 1);",
      "A zoom placed near the end pans past the last class and shows empty classes."),
    F("histogram-view-signal-count-zero", "displays/HistogramDisplay.cpp",
      "DescriptionChanged);\n    emit visibleClassesChanged(m_nFirstVisible, VisibleClassCount());",
      "DescriptionChanged);\n    emit visibleClassesChanged(m_nFirstVisible, m_nVisibleCount);",
      "After ZoomOut, visibleClassesChanged says 0 classes are visible instead of all of them."),
    F("histogram-wheel-anchor-at-left", "displays/HistogramInteraction.cpp",
      "std::clamp((event->position().x() - plot.left()) / std::max(plot.width(), 1), 0.0, 1.0)",
      "0.0",
      "The wheel zooms around the first visible class instead of the one under the pointer."),
    F("histogram-column-classes-shifted", "displays/HistogramGeometry.cpp",
      "const long long end = ((c + 1) * v + columns - 1) / columns;",
      "const long long end = ((c + 1) * v) / columns + 1;",
      "With more classes than columns, a column shows the largest count of the wrong classes."),
    F("histogram-tooltip-one-class-range", "displays/HistogramDisplay.cpp",
      "    QString text = last > first", "    QString text = last >= first",
      "The tooltip over a single class reads \"Classes 9 to 9\"."),
    F("summary-first-half-merged", "displays/TrendSummary.cpp",
      "            parent = done;\n            return;",
      "            parent = {std::min(parent.dMin, done.dMin), std::max(parent.dMax, done.dMax)};\n"
      "            return;",
      "A long series scrolled back or resized shows the ranges of samples it dropped long ago."),
    F("summary-second-half-ignored", "displays/TrendSummary.cpp",
      "        parent = {std::min(parent.dMin, done.dMin), std::max(parent.dMax, done.dMax)};\n"
      "        done = parent;",
      "        parent = done;\n        done = parent;",
      "A long series drawn afresh loses the peaks of half its blocks: spikes vanish on a resize."),
    F("legend-entries-overlap", "displays/PlotPainting.cpp",
      "right = places[i].left() - 10;", "right = places[i].left() + 6;",
      "Legend entries overlap: each colour swatch is drawn over the end of the name before it."),
    F("scale-ticks-finer-than-doubles", "displays/PlotScale.cpp",
      "std::max(RoughStep(low, high, maxTicks), 4.0 * spacing)", "RoughStep(low, high, maxTicks)",
      "Nanoseconds since 1970 give several ticks on the same double: labels pile up."),
    F("value-labels-left-aligned", "displays/PlotPainting.cpp",
      "painter.drawText(label.oRect, Qt::AlignRight | Qt::AlignVCenter, label.sText);",
      "painter.drawText(label.oRect, Qt::AlignLeft | Qt::AlignVCenter, label.sText);",
      "Value labels of different widths no longer end at their ticks."),
    F("raster-steep-line-last-row", "displays/PlotRaster.cpp",
      "row <= std::min(Pixel(y2), bottom)", "row < std::min(Pixel(y2), bottom)",
      "Every steep line loses its last row: a square wave's corners have gaps."),
    F("summary-top-level-last-block", "displays/TrendSummary.cpp",
      "            for (; low < high; ++low)", "            for (; low + 1 < high; ++low)",
      "A column that holds a whole full ring (from 4096 samples) is drawn empty."),
    F("series-colour-no-repaint", "displays/TrendDisplay.cpp",
      "        pSeries->oColor = color;\n        update();", "        pSeries->oColor = color;",
      "A quiet trend keeps a series' old colour on screen."),
    F("series-colour-kept-picture-stale", "displays/TrendState.cpp",
      "screen.vColors != colors || ", "",
      "After a colour change the lines on screen keep the old colour; grab() shows the new one."),
    F("cleared-series-keeps-loss-marks", "displays/TrendDisplay.cpp",
      "pSeries->dqLosses.clear();", "",
      "ClearSamples(series) leaves that series' dropped-sample marks on the plot."),
    F("drops-told-ten-times-a-second", "displays/TrendDisplay.cpp",
      "oDropReport.elapsed() < 1000", "oDropReport.elapsed() < 100",
      "samplesDropped comes up to ten times a second during an overload."),
    F("unnamed-series-in-legend", "displays/TrendState.cpp",
      "        if (!vSeries[i].sName.isEmpty())", "        if (true)",
      "A series without a name gets a bare colour swatch in the legend."),
    F("history-bar-over-labels", "displays/TrendState.cpp",
      "area.setBottom(rScroll.geometry().top() - 1);", "",
      "The history bar covers the time labels and the bottom rows of the plot."),
    F("readout-label-four-digits", "displays/PlotPainting.cpp",
      "return QString::number(value, 'g', 10);", "return QString::number(value, 'g', 4);",
      "The readout label rounds 1234.5678 to 1235."),
    F("german-classes-reversed", "translation/ZuRaradirIzurodudozGerman.trl",
      '"Classes %1 to %2"="Klassen %1 bis %2"', '"Classes %1 to %2"="Klassen %2 bis %1"',
      "German histogram tooltips read \"Klassen 7 bis 3\"."),
    F("forms-ruler-font-bold-italic-swapped", "forms/BarScalePercent.cpp",
      "font.bold(), font.italic());", "font.italic(), font.bold());",
      "A bold ruler font set in Designer comes out italic."),
    F("level-line-one-row-low", "displays/TrendState.cpp",
      "const int y = static_cast<int>(std::floor(row));",
      "const int y = static_cast<int>(std::ceil(row));",
      "A level marker stands a row below its value."),
    F("levels-removed-no-repaint", "displays/TrendDisplay.cpp",
      "    m_pState->vLevels.clear();\n    update();", "    m_pState->vLevels.clear();",
      "Removed level markers stay on screen until something else repaints."),
    F("csv-second-sample-same-line", "displays/TrendExport.cpp",
      "at != time || !cells[int(column)].isNull()", "at != time",
      "Two samples of a series at one time: the CSV keeps only the second."),
    F("wall-clock-minute-with-seconds", "displays/AxisFormat.cpp",
      "if (step >= 60.0)", "if (step > 60.0)",
      "A wall-clock axis a minute a tick reads \"01:01:00\" instead of \"01:01\": wider "
      "labels, fewer of them."),
    F("wall-clock-decimals-short", "displays/AxisFormat.cpp",
      "static_cast<int>(std::ceil(-std::log10(step) - 1e-9))\n",
      "static_cast<int>(std::floor(-std::log10(step) - 1e-9))\n",
      "Half-second ticks of a wall-clock axis read whole seconds: neighbours repeat a time."),
    F("trim-oldest-column-kept", "displays/TrendData.cpp",
      "    _Changed(0, last);", "    _Changed(0, last - 1);",
      "A ring that overwrites part of the oldest column on screen leaves the overwritten "
      "samples' range drawn there."),
    F("feed-drops-without-samples-lost", "displays/FeedHub.cpp",
      "if (count > 0 || dropped > 0)", "if (count > 0)",
      "Drops a drain finds without samples are never told: samplesDropped undercounts."),
    F("forms-slider-maximum-below-minimum", "forms/RangeSlider.cpp",
      "SetRange(std::min(Minimum(), maximum), maximum);", "SetRange(Minimum(), maximum);",
      "Designer's maximum below the minimum is refused, while a minimum above the maximum works."),
    F("ruler-hint-ticks-sides-swapped", "displays/BarScalePercent.cpp",
      "(m_bTicksRight ? kTick : 0)", "(m_bTicksLeft ? kTick : 0)",
      "A ruler with ticks on one side is 11 pixels too narrow or too wide."),
    F("scale-step-beyond-largest-double", "displays/PlotScale.cpp",
      "return std::min(factor * decade, 1e308);", "return factor * decade;",
      "Data up to the largest doubles on a short axis get a step of 2e308 (infinity): the axis "
      "reads \"nan\"."),
    F("scale-log-axis-from-smallest-decade", "displays/PlotScale.cpp",
      "std::ceil(std::log10(low) - 1e-9) - 1.0", "std::floor(std::log10(low))",
      "A histogram's classes with a count of 1 (common in images) have no height on a "
      "logarithmic axis and look empty."),
    F("scale-log-top-decade-unlabelled", "displays/PlotScale.cpp",
      "        for (int decade = first; decade <= last; decade += every)",
      "        for (int decade = first; decade < last; decade += every)",
      "The top decade of a logarithmic axis has no tick or label."),
    F("scale-rounded-inwards", "displays/PlotScale.cpp",
      "return {RoundedEnd(low, std::floor(low / step), step),",
      "return {RoundedEnd(low, std::ceil(low / step), step),",
      "The automatic axis starts above the smallest value: the lowest samples are cut off."),
    F("scale-constant-margin-above-only", "displays/PlotScale.cpp",
      "return {std::max(low - step, -kLargest), std::min(high + step, kLargest), false};",
      "return {low, std::min(high + step, kLargest), false};",
      "Constant data sits on the bottom edge of the plot instead of in its middle."),
    F("scale-end-overflows", "displays/PlotScale.cpp",
      "return std::isfinite(rounded) ? rounded : end;", "return rounded;",
      "Counts near the largest double give an infinite axis: the histogram draws nothing and "
      "its value labels pile up."),
    F("scale-step-2-skipped", "displays/PlotScale.cpp",
      "for (const double factor : {1.0, 2.0, 5.0, 10.0})",
      "for (const double factor : {1.0, 5.0, 10.0})",
      "Axes that want a step of 20 take 50: half the ticks and labels are missing."),
    F("tick-text-too-few-digits", "displays/PlotScale.cpp",
      "return QString::number(value, 'g', std::clamp(digits, 1, 17));",
      "return QString::number(value, 'g', 6);",
      "Tick labels at nanoseconds since 1970 all read \"1.7e+18\"."),
    F("tick-text-decimals-of-quarter", "displays/PlotScale.cpp",
      "    for (int decimals = 0; decimals <= 9; ++decimals)",
      "    for (int decimals = 0; decimals <= 0; ++decimals)",
      "Tick labels with a step of 0.2 or 0.5 show one decimal too many or none at all."),
    F("value-row-upside-down", "displays/PlotPainting.cpp",
      "{qRound(plot.top() + (1.0 - fraction) * (plot.height() - 1)), label.sText}",
      "{qRound(plot.top() + fraction * (plot.height() - 1)), label.sText}",
      "Value labels run upside down: the maximum is labelled at the bottom."),
    F("histogram-infinite-scales-others", "displays/HistogramDisplay.cpp",
      "std::isfinite(count) ? Detail::DrawnCount(count) : 0.0", "Detail::DrawnCount(count)",
      "One infinite count flattens every other bar of the histogram."),
    F("histogram-infinite-unmarked", "displays/HistogramDisplay.cpp",
      "        if (std::isinf(bar.dCount))", "        if (false)",
      "An infinite count looks like a full but ordinary bar."),
    F("histogram-view-change-silent", "displays/HistogramDisplay.cpp",
      "    if (first != m_nFirstVisible || visible != VisibleClassCount())",
      "    if (first != m_nFirstVisible)",
      "New counts with another number of classes change the view without visibleClassesChanged."),
    F("histogram-span-below-zero-kept", "displays/HistogramDisplay.cpp",
      "first = last < 0 ? -1 : std::max(first, 0);", "first = last < 0 ? -1 : first;",
      "SetShadedSpan(-5, 1) reports -5 as its first class."),
    F("histogram-value-zoom-kept-without-axes", "displays/HistogramDisplay.cpp",
      "            SetValueZoom(1.0);\n", "",
      "Hiding the axes keeps a value zoom that nothing visible can undo."),
    # displays/: the histogram's zoom, pan, readout, CSV and slider alignment ------------------
    F("hist-value-bar-always-shown", "displays/HistogramDisplay.cpp",
      "setVisible(m_bAxesVisible && Detail::ViewOf(*this).dTop < 1.0)", "setVisible(m_bAxesVisible)",
      "The histogram's value zoom bar stands beside an unzoomed plot and takes its width."),
    F("hist-value-bar-full-height", "displays/HistogramDisplay.cpp",
      "setGeometry(width() - extent, plot.top(), extent, plot.height())",
      "setGeometry(width() - extent, 0, extent, plot.bottom() + 1)",
      "The value zoom bar runs from the widget's top, past the plot, beside the legend row."),
    F("hist-bar-top-while-zoomed", "displays/HistogramInteraction.cpp",
      "* 10.0)), 1,", "* 10.0)), 0,",
      "A slightly zoomed value axis puts its bar at the top, from where it cannot be unzoomed."),
    F("hist-handle-room-dropped", "displays/HistogramDisplay.cpp",
      "if (m_bAxesVisible && over > 0)", "if (false)",
      "A range slider as wide as the histogram cannot line up: its end handle has no room."),
    F("hist-focus-frame-missing", "displays/HistogramDisplay.cpp",
      "    if (hasFocus())\n    {\n        Detail::DrawFocusFrame", "    if (false)\n    {\n        Detail::DrawFocusFrame",
      "A histogram with the keyboard focus shows no focus frame."),
    F("hist-value-signal-unchanged", "displays/HistogramInteraction.cpp",
      "if (fraction == view.dTop)", "if (false)",
      "valueZoomChanged comes for a zoom that did not change (Down on an unzoomed axis)."),
    F("hist-reset-keeps-value-zoom", "displays/HistogramInteraction.cpp",
      "            ZoomOut();\n            SetValueZoom(1.0);", "            ZoomOut();",
      "Escape, Home and a double click show every class but leave the value axis zoomed."),
    F("hist-ctrl-wheel-zooms-classes", "displays/HistogramInteraction.cpp",
      "const bool values = event->modifiers() & Qt::ControlModifier;", "const bool values = false;",
      "Ctrl+wheel zooms the classes instead of the value axis."),
    F("hist-pan-backwards", "displays/HistogramInteraction.cpp",
      "view.nPressedFirst - static_cast<int>", "view.nPressedFirst + static_cast<int>",
      "Dragging the histogram with the middle button moves the classes against the pointer."),
    F("hist-box-value-top-ignored", "displays/HistogramInteraction.cpp",
      "        SetValueZoom(top);\n", "",
      "A rubber band zooms the classes only; the value axis keeps its top."),
    F("hist-box-not-remembered", "displays/HistogramInteraction.cpp",
      "            view.vBack.push_back(before);", "            (void)before;",
      "Backspace and a right click do not go back from a rubber band zoom."),
    F("hist-arrow-keys-reversed", "displays/HistogramInteraction.cpp",
      "Qt::Key_Left ? -pan : pan", "Qt::Key_Left ? pan : -pan",
      "Left pans the histogram to later classes and Right to earlier ones."),
    F("hist-readout-farthest-list", "displays/HistogramInteraction.cpp",
      "if (std::abs(row - at.y()) < distance)", "if (nearest < 0 || std::abs(row - at.y()) > distance)",
      "The readout labels the list whose bar top is farthest from the pointer."),
    F("hist-readout-signal-repeated", "displays/HistogramInteraction.cpp",
      "if (list == view.nReadoutList && classIndex == view.nReadoutClass)", "if (false)",
      "readoutChanged comes again for every move of the pointer over the same bar."),
    F("hist-csv-label-unquoted", "displays/HistogramInteraction.cpp",
      "header << Detail::CsvField(QString::fromStdString(list.oMode.m_sLabel));",
      "header << QString::fromStdString(list.oMode.m_sLabel);",
      "A list label with a comma splits the CSV header into one column too many."),
    F("hist-slider-margin-without-handle", "displays/HistogramInteraction.cpp",
      "std::max(left - Detail::kRangeHandleLength, 0)", "std::max(left, 0)",
      "A range slider lined up with the class axis starts its span a handle's length too far right."),
    F("range-slider-margins-ignored-painting", "displays/RangeSlider.cpp",
      "    painter.translate(contentsRect().topLeft());\n", "",
      "A range slider with contents margins draws its handles away from where they are grabbed."),
    F("hist-zoom-not-heard", "displays/AccessibleDisplays.cpp",
      "    if (histogram.IsZoomed())", "    if (false)",
      "Screen readers do not hear which classes and values a zoomed histogram shows."),
    # displays/: the histogram's export and the readout that follows the view ----------------
    F("hist-picture-shows-readout", "displays/HistogramDisplay.cpp",
      "    if (!screen)\n    {\n        return;", "    if (false)\n    {\n        return;",
      "Saved and copied histogram pictures show the crosshair, its label and the focus frame."),
    F("hist-picture-keeps-pan-bar-room", "displays/HistogramExport.cpp",
      "_Layout(logical, false), ratio, false);", "_Layout(logical, true), ratio, false);",
      "A zoomed histogram's picture has an empty strip where the pan bar is on the screen."),
    F("hist-vector-lines-on-edges", "displays/HistogramDisplay.cpp",
      "QPointF(point) + QPointF(0.5, 0.5)", "QPointF(point)",
      "Outlines and lines in SVG and PDF fall between pixel rows, half as strong on two."),
    F("hist-vector-hairline", "displays/HistogramDisplay.cpp",
      "vector ? QPen(color, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : pen", "pen",
      "Outlines and lines in a histogram's PDF are hairlines of the printer, barely visible."),
    F("hist-copy-grabs-screen", "displays/HistogramInteraction.cpp",
      "CopyPictureAndCsv(Picture(size(), devicePixelRatioF()), CountsCsv());",
      "CopyPictureAndCsv(grab().toImage(), CountsCsv());",
      "Ctrl+C on a histogram copies the crosshair and the focus frame with the picture."),
    F("hist-menu-saves-png-only", "displays/HistogramInteraction.cpp",
      "QStringLiteral(\"PNG (*.png);;SVG (*.svg);;PDF (*.pdf)\")", "QStringLiteral(\"PNG (*.png)\")",
      "The histogram's context menu cannot save SVG or PDF."),
    F("hist-readout-stale-after-zoom", "displays/HistogramDisplay.cpp",
      "    update();\n    _FollowReadout();\n    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);\n"
      "    emit visibleClassesChanged",
      "    update();\n    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);\n"
      "    emit visibleClassesChanged",
      "After + or the wheel, the histogram's readout stays on a class no longer under the pointer."),
    F("hist-readout-moves-twice", "displays/HistogramInteraction.cpp",
      "    if (view.nSteps > 0)\n    {\n        return;\n    }\n", "",
      "Home or a zoom back sends readoutChanged for a bar passed on the way, then again."),
    F("hist-description-without-class-unit", "displays/AccessibleDisplays.cpp",
      "label(first + histogram.VisibleClassCount() - 1), classUnit,",
      "label(first + histogram.VisibleClassCount() - 1), QString(),",
      "Screen readers hear a zoomed histogram's classes without their unit."),
    F("histogram-tooltip-count-rounded", "displays/HistogramGeometry.cpp",
      "return QString::number(count, 'g', 15);", "return QString::number(count);",
      "The tooltip shows a count of 1234567 as 1.23457e+06."),
    F("wheel-remainder-dropped", "foundation/WheelNotches.cpp",
      "    remainder->m_nDelta -= notches * kNotch;", "    remainder->m_nDelta = 0;",
      "High-resolution wheels and touchpads never zoom: their small steps are dropped."),
    F("wheel-reversal-kept", "foundation/WheelNotches.cpp",
      "        remainder->m_nDelta = 0;\n    }\n    remainder->m_nDelta += delta;",
      "    }\n    remainder->m_nDelta += delta;",
      "A touchpad turned back and forth zooms with what was turned the other way."),
    F("trend-grid-colour", "displays/PlotPainting.cpp",
      "return from + (to - from) / 2;", "return from + (to - from) / 4;",
      "Grid lines in another colour than half way from Base to Mid."),
    F("trend-grid-column-off", "displays/TrendState.cpp",
      "static_cast<int>(column - grid.nFirst), 0, 1", "static_cast<int>(column - grid.nFirst + 1), 0, 1",
      "Vertical grid lines a column right of their ticks."),
    F("trend-grid-kept-stale", "displays/TrendState.cpp",
      "    return inKept(kept.vColumns) == inKept(now.vColumns);",
      "    return inKept(kept.vColumns) == inKept(kept.vColumns);",
      "A scrolled kept picture keeps vertical grid lines a fresh paint no longer has."),
    F("trend-title-no-room", "displays/PlotPainting.cpp",
      "const int titleWidth = valueTitle ? line + 2 : 0;", "const int titleWidth = 0;",
      "The value axis title drawn over the value labels."),
    F("trend-title-left", "displays/PlotPainting.cpp",
      "painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop,", "painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop,",
      "The time axis title not centred under the plot."),
    F("trend-csv-no-unit", "displays/TrendExport.cpp",
      ": Detail::AxisTitle(name, unit));", ": name);",
      "The CSV header without the value unit."),
    F("trend-heard-no-unit", "displays/AccessibleDisplays.cpp",
      "trend.ValueMax(), trend.ValueAxisUnit());", "trend.ValueMax(), QString());",
      "Screen readers hear the value range without its unit."),
    F("trend-right-axis-ignored", "displays/TrendState.h",
      "return series.bRight ? oRightShown : oShown;", "return oShown;",
      "A series on the right axis drawn against the left one."),
    F("trend-right-zoom-stays", "displays/TrendInteraction.cpp",
      "        state.oRightFixed = right;\n", "",
      "A box zoom leaves the right axis as it was: its series leave the box."),
    F("trend-right-reset-kept", "displays/TrendInteraction.cpp",
      "    state.oRightFixed = home.oRightFixed;\n", "",
      "Going back from a zoom leaves the right axis zoomed."),
    F("trend-right-no-room", "displays/PlotPainting.cpp",
      "area.right() - rightTitle - rightLabels - 3 - kTick - 1", "area.right() - rightTitle - 3 - kTick - 1",
      "The right axis' labels drawn off the widget."),
    F("trend-right-tick-on-frame", "displays/PlotPainting.cpp",
      "painter.drawLine(frame + 1, tick.nPos, frame + kTick, tick.nPos);",
      "painter.drawLine(frame, tick.nPos, frame + kTick - 1, tick.nPos);",
      "The right axis' ticks a pixel left, on the frame."),
    F("trend-right-readout-left-scale", "displays/TrendState.cpp",
      "ValueRow(Scale(vSeries[i]), plot, ring.Value(sample))", "ValueRow(oShown, plot, ring.Value(sample))",
      "The readout looks for right-axis samples where the left axis would put them."),
    F("trend-right-raster-stale", "displays/TrendState.cpp",
      "        screen.oRightScale.dLow != oRightShown.dLow ||\n        screen.oRightScale.dHigh != oRightShown.dHigh ||\n",
      "",
      "A right axis that grows with new samples leaves stale lines in the kept picture."),
    F("trend-right-csv-unit", "displays/TrendExport.cpp",
      "state.vSeries[i].bRight ? state.sRightUnit : state.sValueUnit", "state.sValueUnit",
      "The CSV heads right-axis series with the left axis' unit."),
    F("trend-right-view-untold", "displays/TrendDisplay.cpp",
      "RightValueMin(), RightValueMax()};", "0.0, 0.0};",
      "A change of the right axis alone is not told by viewChanged."),
    F("trend-right-level-left", "displays/TrendState.cpp",
      "ValueRow(level.bRight ? oRightShown : oShown, plot, level.dValue)", "ValueRow(oShown, plot, level.dValue)",
      "A level marker put on the right axis is drawn against the left one."),
    F("histogram-key-readout-no-pan", "displays/HistogramInteraction.cpp",
      "        SetVisibleClasses(classIndex - m_nVisibleCount + 1, m_nVisibleCount);", "",
      "The histogram's keys' readout cursor walks out of the zoomed view."),
    F("histogram-key-readout-any-list", "displays/HistogramInteraction.cpp",
      "            if (has(other, classIndex))", "            if (other >= 0)",
      "The keys' readout cursor moves to a list that has no count in its class."),
    F("histogram-key-readout-pointer", "displays/HistogramInteraction.cpp",
      "    if (!view.bKeyReadout)\n", "    if (true)\n",
      "A pan made by the keys' readout cursor puts the readout back under the resting pointer."),
    F("histogram-key-readout-stays", "displays/HistogramDisplay.cpp",
      "            _SetReadout(-1, -1); // the keys' cursor goes with the focus", "",
      "The histogram's keys' readout cursor stays after the focus went elsewhere."),
    F("trend-right-appears-zoomed", "displays/TrendDisplay.cpp",
      "            m_pState->bRightAuto = true;\n", "",
      "A series put on the right axis of a zoomed trend lands on a leftover scale, off the plot."),
    F("export-painter-not-scaled", "displays/PlotExport.cpp",
      "painter.scale(target.width() / m_oSize.width(), target.height() / m_oSize.height());", "",
      "A picture drawn for a printer or PDF fills only a corner of its target."),
    F("export-painter-font-points", "displays/PlotExport.cpp",
      "    pixels.setPixelSize(QFontInfo(font).pixelSize());\n", "",
      "Text in PDF pictures at the printer's point size: far larger than the plot around it."),
    F("hist-hidden-drawn", "displays/HistogramDisplay.cpp",
      "            if (_IsShown(list))\n            {\n                _DrawList", "            if (true)\n            {\n                _DrawList",
      "A list hidden from its legend entry is still drawn."),
    F("hist-hidden-in-range", "displays/HistogramDisplay.cpp",
      "        if (!_IsShown(list))\n        {\n            continue;\n        }\n        for (const double count",
      "        for (const double count",
      "A hidden list still stretches the value axis: the shown ones are squashed."),
    F("hist-hidden-in-csv", "displays/HistogramInteraction.cpp",
      "        if (_IsShown(list))\n        {\n            header", "        if (true)\n        {\n            header",
      "The CSV of the counts in view holds hidden lists."),
    F("hist-legend-click-ignored", "displays/HistogramInteraction.cpp",
      "if (event.button() == Qt::LeftButton && _ToggleFromLegend(at))", "if (false)",
      "A click on a histogram's legend entry does not hide its list."),
    F("hist-hidden-legend-coloured", "displays/HistogramDisplay.cpp",
      "IsDataListVisible(index) ? ListColor(mode) : QColor()", "ListColor(mode)",
      "A hidden list's legend entry still shows its colour: nothing tells it is hidden."),
    F("trend-key-readout-no-pan", "displays/TrendInteraction.cpp",
      "        if (time < start || time > end)", "        if (false)",
      "The keys' readout cursor walks out of the window and out of sight."),
    F("trend-key-readout-stays", "displays/TrendInteraction.cpp",
      "        _SetReadout({-1, 0}); // the keys' cursor goes with the focus", "",
      "The keys' readout cursor stays on screen after the focus went elsewhere."),
    F("trend-key-readout-tie-later", "displays/TrendState.cpp",
      "time - its.Time(sample - 1) <= its.Time(sample) - time", "time - its.Time(sample - 1) < its.Time(sample) - time",
      "Moving the readout to another series picks the later of two samples as near in time."),
    F("trend-menu-after-zoom-back", "displays/TrendInteraction.cpp",
      "state.bRightClickZoomed = IsZoomed();", "state.bRightClickZoomed = false;",
      "A right click that goes back one zoom also opens the context menu."),
    F("trend-menu-show-all-enabled", "displays/TrendInteraction.cpp",
      'add("Show all", trend.IsZoomed(), &CTrendDisplay::ResetZoom);',
      'add("Show all", true, &CTrendDisplay::ResetZoom);',
      "The menu offers to show all while nothing is zoomed."),
    F("trend-save-not-committed", "displays/PlotExport.cpp",
      "    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();",
      "    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();",
      "Save reports success and writes no file."),
    F("trend-svg-column-off", "displays/TrendExport.cpp",
      "GridColumn(grid, column.dFirstTime)) + 0.5;", "GridColumn(grid, column.dFirstTime)) + 1.5;",
      "SVG and PDF draw each column a pixel right of the screen's."),
    F("trend-hidden-resize-stale", "displays/TrendState.cpp",
      "    if (!bLayoutValid || oLayoutSize != Size())", "    if (!bLayoutValid)",
      "PlotArea() of a hidden trend still has the size before resize()."),
    F("trend-export-scale-kept", "displays/TrendExport.cpp",
      "    state.oShown = m_oShown;\n", "",
      "After a picture of another size, the screen keeps that picture's value axis."),
    F("forms-trend-unit-drops-title", "forms/TrendDisplay.cpp",
      "    SetValueAxisTitle(ValueAxisTitle(), unit);", "    SetValueAxisTitle(QString(), unit);",
      "Writing the value unit in Designer drops the title."),
    F("trend-hidden-in-auto-range", "displays/TrendState.cpp",
      "        if (!series.bVisible || series.bRight != right)",
      "        if (series.bRight != right)",
      "A hidden series still stretches the automatic value axis."),
    F("trend-legend-click-other-series", "displays/TrendState.cpp",
      "            return series[i];", "            return series[entries.size() - 1 - i];",
      "A click on a legend entry hides another series."),
    F("trend-number-key-off-by-one", "displays/TrendInteraction.cpp",
      "        const int series = event->key() - Qt::Key_1;", "        const int series = event->key() - Qt::Key_0;",
      "Key 1 shows or hides the second series."),
    F("histogram-menu-after-zoom-back", "displays/HistogramInteraction.cpp",
      "view.bRightClickZoomed = !view.vBack.empty();", "view.bRightClickZoomed = false;",
      "A right click that goes back one histogram zoom also opens the context menu."),
    F("histogram-grid-never-drawn", "displays/HistogramDisplay.cpp",
      "    if (view.bGrid)\n", "    if (false)\n",
      "The histogram's grid lines never show."),
    F("histogram-value-title-no-room", "displays/HistogramDisplay.cpp",
      "    const bool valueTitle = !view.sValueTitle.isEmpty() || !view.sValueUnit.isEmpty();",
      "    const bool valueTitle = false;",
      "The histogram's value axis title is drawn over its value labels."),
    F("histogram-csv-no-class-unit", "displays/HistogramInteraction.cpp",
      'Detail::AxisTitle(QStringLiteral("class"), Detail::ViewOf(*this).sClassUnit)',
      'QStringLiteral("class")',
      "The histogram's CSV header without the class unit."),
    F("trend-follow-not-resumed", "displays/TrendDisplay.cpp",
      "if (nSliderPos >= m_pwHScrollBar->maximum())", "if (nSliderPos > m_pwHScrollBar->maximum())",
      "Dragging the history scroll bar back to its end does not follow the newest sample again."),
    F("trend-description-first-value", "displays/AccessibleDisplays.cpp",
      "trend.LastSample(series).y()", "trend.Sample(series, 0).y()",
      "A screen reader hears the trend's oldest value instead of its last one."),
    # displays/: feeding from other threads --------------------------------------------------
    F("feed-batch-end-unpublished", "displays/FeedQueue.cpp",
      "    if (tail != published)\n    {\n        m_nTail.store(tail, std::memory_order_release);\n"
      "        link.Published();\n    }\n    return result;",
      "    (void)published;\n    return result;",
      "The last samples of a batch that fitted into the queue stay invisible until the next push: "
      "a producer that pauses leaves them off the plot."),
    F("feed-lapped-sample-lost", "displays/FeedQueue.cpp",
      "head = published - m_nMask;", "head = published - m_nMask + 1;",
      "Under drop-oldest a lapped queue loses one sample more than it counts: a gap nobody is "
      "told about."),
    F("feed-lapped-count-one-short", "displays/FeedQueue.cpp",
      "dropped += published - m_nMask - head;", "dropped += published - m_nMask - head - 1;",
      "Samples written over under drop-oldest are counted one short: the drop counter "
      "understates the loss."),
    F("feed-full-drop-uncounted", "displays/FeedQueue.cpp",
      "        _CountDropped(1);\n        return EPushResult::Dropped;",
      "        return EPushResult::Dropped;",
      "A sample dropped at a full queue (drop newest, or a block that timed out) is not counted: "
      "the loss is silent."),
    F("feed-push-after-close", "displays/FeedHub.cpp",
      "        queue.store(nullptr, std::memory_order_release);", "        (void)queue;",
      "A feeder whose display is gone still reports its samples stored."),
    F("feed-woken-drain-no-second-look", "displays/FeedHub.cpp",
      "m_vValues.data(), count, dropped);\n        }\n    }\n    return woken || delivered;",
      "m_vValues.data(), count, dropped);\n        }\n    }\n    return delivered;",
      "A producer that saw the GUI thread as woken just as a frame began does not wake it again, "
      "and no further frame looks: the last samples of a burst stay queued."),
    F("feed-histogram-publish-relaxed", "displays/FeedHub.cpp",
      "mailbox->pReady.store(buffer, std::memory_order_release);",
      "mailbox->pReady.store(buffer, std::memory_order_relaxed);",
      "The GUI thread may read a histogram buffer before the counts the camera thread wrote "
      "into it are visible: stale or torn bars.", "tsan"),
    # displays/: bar gauge and range slider ---------------------------------------------------
    F("gauge-rows-rounded", "displays/BarGaugeGeometry.cpp",
      "int Row(double fraction) const { return nBottom - static_cast<int>(Span() * fraction); }",
      "int Row(double fraction) const { return nBottom - static_cast<int>(Span() * fraction + 0.5); }",
      "A gauge's fill ends a row off the ruler mark of its value beside it."),
    F("gauge-span-one-short", "displays/BarGaugeGeometry.cpp",
      "int Span() const { return nBottom - nTop + 1; }", "int Span() const { return nBottom - nTop; }",
      "Gauge fills drift from the ruler's marks towards the top."),
    F("gauge-frame-off-the-marks", "displays/BarGaugeGeometry.cpp",
      "QRect(QPoint(left, scale.nTop - 1), QPoint(right, scale.nBottom))",
      "QRect(QPoint(left, scale.nTop), QPoint(right, scale.nBottom))",
      "The gauge's frame no longer starts on the ruler's 100 % mark."),
    F("gauge-reversed-limits-drawn", "displays/BarGaugeGeometry.cpp",
      "!(minimum < maximum))", "false)",
      "A gauge whose minimum lies above its maximum shows a bar instead of none."),
    F("gauge-highest-follows-value", "displays/BarGauge.cpp",
      "m_dHighest = std::isnan(m_dHighest) ? value : std::max(m_dHighest, value);",
      "m_dHighest = value;",
      "The highest-seen marker follows the current value instead of staying at the peak."),
    F("gauge-alarm-only-beyond", "displays/BarGauge.cpp",
      "return m_dValue <= m_dLowAlarm || m_dValue >= m_dHighAlarm;",
      "return m_dValue < m_dLowAlarm || m_dValue > m_dHighAlarm;",
      "A value exactly at an alarm level does not raise the alarm."),
    F("gauge-alarm-colour-ignored", "displays/BarGauge.cpp",
      "IsAlarm() ? m_oAlarmColor : palette.color(QPalette::Highlight)",
      "palette.color(QPalette::Highlight)",
      "A gauge in alarm looks like one that is not."),
    F("gauge-value-no-update", "displays/BarGauge.cpp",
      "std::max(m_dHighest, value);\n    }\n    update();", "std::max(m_dHighest, value);\n    }",
      "A shown gauge keeps its old fill after SetValue."),
    F("gauge-accessible-role", "displays/AccessibleBars.cpp",
      "QAccessibleWidget(pwGauge, QAccessible::ProgressBar)",
      "QAccessibleWidget(pwGauge, QAccessible::Graphic)",
      "Screen readers announce the gauge as a picture, without its value."),
    F("slider-start-does-not-push", "displays/RangeSlider.cpp",
      "_Apply(start, std::max(start, m_nEnd));", "_Apply(start, m_nEnd);",
      "A start set above the end leaves the handles crossed."),
    F("slider-reversed-limits-taken", "displays/RangeSlider.cpp",
      "    if (minimum > maximum)\n    {\n        return false;\n    }\n", "",
      "A minimum above the maximum is taken instead of refused."),
    F("slider-start-signal-for-end", "displays/RangeSlider.cpp",
      "    if (startChanged)\n    {", "    if (startChanged || endChanged)\n    {",
      "StartValueChanged is emitted when only the end moved."),
    F("slider-no-repaint", "displays/RangeSlider.cpp",
      "    m_nEnd = end;\n    update();", "    m_nEnd = end;",
      "A shown slider keeps its old handles after a setter."),
    F("slider-end-unreachable", "displays/RangeSliderGeometry.cpp",
      "std::clamp(position, 0, travel);", "std::clamp(position, 0, travel - 1);",
      "Dragging a handle to the end of a wide range stops short of the maximum."),
    F("slider-vertical-not-flipped", "displays/RangeSliderGeometry.cpp",
      "? nLength - 1 - point.y() : point.x();", "? point.y() : point.x();",
      "Dragging a vertical slider's handle up moves its value down."),
    F("slider-space-ignored", "displays/RangeSlider.cpp",
      "    case Qt::Key_Space:", "    case Qt::Key_F35:",
      "The keyboard cannot reach the second handle."),
    F("slider-keys-cross", "displays/RangeSlider.cpp",
      "_Apply(Clamp(target, m_nMinimum, m_nEnd), m_nEnd);",
      "_Apply(Clamp(target, m_nMinimum, m_nMaximum), m_nEnd);",
      "The start handle moved by keys passes the end handle."),
    F("slider-span-changes-width", "displays/RangeSlider.cpp",
      "_Apply(start, Clamp(start + width, m_nMinimum, m_nMaximum));", "_Apply(start, m_nGrabEnd);",
      "Dragging the span moves its start only."),
    F("slider-click-moves-start-only", "displays/RangeSlider.cpp",
      "hit == Detail::ERangeHit::BeforeStart ? EDrag::Start : EDrag::End", "EDrag::Start",
      "A click on the track after the end handle moves the start handle there."),
    F("slider-focus-mark-missing", "displays/RangeSlider.cpp",
      "    if (hasFocus())\n    {\n        const QRect& handle", "    if (!hasFocus())\n    {\n        const QRect& handle",
      "The keyboard user cannot see which handle the keys move."),
    F("slider-argless-start-to-maximum", "displays/RangeSlider.cpp",
      "    SetStartValue(m_nMinimum);", "    SetStartValue(m_nMaximum);",
      "SetStartValue() closes the range at the top instead of opening it downwards."),
    # editors/ ---------------------------------------------------------------------------------
    F("path-cancel-clears", "editors/FileEditLine.cpp",
      "if (!qsChosen.isNull() || m_bAcceptEmpty)", "if (!qsChosen.isNull() || !m_bAcceptEmpty)",
      "Cancelling the path dialog wipes the path of a field that does not accept empty paths."),
    F("path-slot-emits", "editors/FileEditLine.cpp",
      "rqsPath)\n{\n    m_pForm->m_wCurrentPath->setText(rqsPath);",
      "rqsPath)\n{\n    m_pForm->m_wCurrentPath->setText(rqsPath);\n    emit pathChanged(rqsPath);",
      "OnPathChanged signals back: a model bound both ways loops forever."),
    F("filter-case-rule-inverted", "editors/DialogFilter.cpp",
      "rType.m_bUpperCaseVariant ? Qt::CaseSensitive : Qt::CaseInsensitive",
      "rType.m_bUpperCaseVariant ? Qt::CaseInsensitive : Qt::CaseSensitive",
      "The dialog preselects the wrong filter for a path with an upper-case suffix."),
    F("line-edit-focus-out-as-in", "editors/LineEdit.cpp",
      "    QLineEdit::focusOutEvent(pEvent);\n    emit looseFocus();",
      "    QLineEdit::focusOutEvent(pEvent);\n    emit setFocus();",
      "Leaving a line edit signals setFocus() instead of looseFocus()."),
    F("multi-copy-drop-replaces", "editors/MultiFileEdit.cpp",
      "if (pEvent->dropAction() != Qt::CopyAction)", "if (pEvent->dropAction() == Qt::CopyAction)",
      "A plain drop replaces the list and a Shift drop appends."),
    F("multi-drop-untrimmed", "editors/MultiFileEdit.cpp",
      "QString qsCandidate = rqsPart.trimmed();", "QString qsCandidate = rqsPart;",
      "Dropped text keeps the blanks around each path."),
    F("multi-drop-emits-twice", "editors/MultiFileEdit.cpp",
      "    _EmitSelection();\n}\n\nvoid CMultiFileEdit::OnUpdateSelection(",
      "    _EmitSelection();\n    _EmitSelection();\n}\n\nvoid CMultiFileEdit::OnUpdateSelection(",
      "A drop signals its new list twice."),
    F("multi-reorder-silent", "editors/MultiFileEdit.cpp",
      "    if (m_Selection != qslBefore)\n        emit selectionChanged(m_Selection);",
      "    if (m_Selection != qslBefore)\n        return;",
      "Reordering the list by dragging never reaches the model."),
    F("rect-width-height-swapped", "editors/RectangleDefinitionEdit.cpp",
      "m_pForm->m_wWidth->value(), m_pForm->m_wHeight->value());",
      "m_pForm->m_wHeight->value(), m_pForm->m_wWidth->value());",
      "An edited rectangle reaches the model with width and height swapped."),
    F("rect-empty-unit-blank", "editors/RectangleDefinitionEdit.cpp",
      "    if (rUnit.empty())\n        return;\n", "",
      "An empty unit replaces the fields' unit with a lone blank."),
    F("logger-refill-emits", "editors/LoggerDefinitionsEdit.cpp",
      "        const QSignalBlocker blocker(this);\n", "",
      "OnDefinitionsChanged signals back: a model bound both ways receives its own list again, "
      "once per cell."),
    F("logger-file-port-editable", "editors/LoggerDefinitionsEdit.cpp",
      "        return {true, true, false};", "        return {true, true, true};",
      "A file logger's Port cell can be edited."),
    F("logger-remove-top-down", "editors/LoggerDefinitionsEdit.cpp",
      "for (auto it = rows.rbegin(); it != rows.rend(); ++it)",
      "for (auto it = rows.begin(); it != rows.end(); ++it)",
      "Removing several selected definitions removes the wrong rows."),
    F("logger-bad-level-kept", "editors/LoggerDefinitionsEdit.cpp",
      "definition.m_eLevel))\n            return _RestoreCell(nRow, nColumn);",
      "definition.m_eLevel))\n            break;",
      "A Level cell that does not parse keeps the typed text instead of the stored level."),
    F("logger-stdout-name-editable", "editors/LoggerDefinitionsEdit.cpp",
      "    case Fenra::Progress::LoggerGui:\n    case Fenra::Progress::LoggerStdout:\n",
      "    case Fenra::Progress::LoggerStdout:\n        return {true, true, false};\n"
      "    case Fenra::Progress::LoggerGui:\n",
      "A stdout logger's Name cell can be edited."),
    F("logger-name-editor-from-level", "editors/ComboBoxDelegate.cpp",
      "index.sibling(index.row(), TypeColumn).data(Qt::DisplayRole)",
      "index.sibling(index.row(), LevelColumn).data(Qt::DisplayRole)",
      "A network logger's Name cell opens a file path edit."),
    F("logger-port-editor-raw", "editors/ComboBoxDelegate.cpp",
      "index.column() == PortColumn ? QString::number(text.toInt(nullptr, 10), 10) : text",
      "text",
      "A Port cell holding letters opens with the letters instead of the stored port 0."),
    F("logger-combo-case-blind", "editors/ComboBoxDelegate.cpp",
      "Qt::MatchExactly | Qt::MatchCaseSensitive", "Qt::MatchFixedString",
      "A cell typed in capitals opens its combo box on the lower-case entry, as if stored."),
    F("editor-button-description-is-name", "editors/AccessibleTexts.cpp",
      "pw->setAccessibleDescription(TranslatedText(pszDescription));",
      "pw->setAccessibleDescription(QString());",
      "Screen readers hear an icon button's name twice (its tooltip stands in as description)."),
    F("multi-delete-key-ignored", "editors/MultiFileEdit.cpp",
      "    connect(pDelete, &QShortcut::activated, this, &CMultiFileEdit::_OnRemoveButtonClicked);\n", "",
      "The Delete key no longer removes the selected entries of the file list."),
    F("logger-delete-key-ignored", "editors/LoggerDefinitionsEdit.cpp",
      "    connect(pDelete, &QShortcut::activated, this, &CLoggerDefinitionsEdit::_OnRemoveDefinition);\n",
      "", "The Delete key no longer removes the selected rows of the logger table."),
    F("logger-disabled-cell-keeps-editor", "editors/LoggerDefinitionsEdit.cpp",
      "m_pwTable->indexAt(pos) != edited)",
      "m_pwTable->indexAt(pos) != edited && (m_pwTable->indexAt(pos).flags() & Qt::ItemIsEnabled))",
      "A click on a disabled cell leaves the cell editor open and its text uncommitted."),
    F("logger-cell-disabled-unheard", "editors/AccessibleLoggerTable.cpp",
      "            oState.disabled = true;", "            oState.disabled = false;",
      "Screen readers hear a logger cell that the row's type disabled (a file logger's port) "
      "as one that can be edited."),
    F("logger-cell-state-unannounced", "editors/LoggerDefinitionsEdit.cpp",
      "        if (wasEnabled != enabled[std::size_t(nCell)])",
      "        if (false)",
      "A screen reader resting on a logger cell is not told that a new logger type disabled or "
      "enabled it."),
    F("logger-name-column-narrow", "editors/LoggerDefinitionsEdit.cpp",
      "horizontalAdvance(kTypicalName) + 16", "horizontalAdvance(kTypicalName) / 3",
      "The Name column starts too narrow for a typical log path."),
    # translation/ -----------------------------------------------------------------------------
    F("accessible-texts-recorded", "translation/TranslatedText.cpp",
      "Internationalisation::TranslateKnown(pszText)", "Internationalisation::Translate(pszText)",
      "A screen reader asking a button, an editor or a display its name makes the library write "
      "a translation file at exit."),
    F("trl-tab-unescaped", "translation/TranslatorFile.cpp",
      "        case '\\t':\n            quoted += \"\\\\t\";\n            break;\n", "",
      "A text with a tab is written with a raw tab into the translation file."),
    F("trl-backslash-unescaped", "translation/TranslatorFile.cpp",
      "        case '\\\\':\n            quoted += \"\\\\\\\\\";\n            break;\n", "",
      "A backslash is written unescaped and reads back as the start of an escape."),
    F("data-known-text-marks-new", "translation/TranslatorData.cpp",
      "    m_Translations.try_emplace(text, translation);\n}",
      "    m_Translations.try_emplace(text, translation);\n    m_bModified = true;\n}",
      "Texts read from a file count as new, so every run rewrites the file at unload."),
    F("data-equal-depth-later-wins", "translation/TranslatorData.cpp",
      "if (pFound != nullptr && counter > best)", "if (pFound != nullptr && counter >= best)",
      "Of two base modules that translate a text equally deep, the later one wins instead of the "
      "first."),
    F("translator-lock-dropped", "translation/TranslatorBase.cpp",
      "    CLock lock(m_Mutex);\n    // The delegate's lock", "    // The delegate's lock",
      "Lookups from several threads race on the translator's tables and can crash."),
    F("translator-delegate-bypassed", "translation/TranslatorBase.cpp",
      "    if (m_pDelegate != nullptr)\n        return m_pDelegate->Translate(text);\n", "",
      "A translator with a delegate records texts itself instead of passing them on."),
    F("translator-base-modules-dropped", "translation/TranslatorBase.cpp",
      "        data.AddBaseModule(baseModule);\n", "",
      "Base modules read from files are dropped: their translations are lost and the next file no "
      "longer names them."),
    F("module-name-first-dot", "translation/ModuleFileName.cpp",
      "const std::size_t stop = name.rfind('.');", "const std::size_t stop = name.find('.');",
      "A module file name with several dots loses everything after its first dot."),
    F("translator-writes-unrecorded", "translation/TranslatorBase.cpp",
      "if (m_Data.IsModified() && HasModuleName())", "if (HasModuleName())",
      "Every run writes the translation file, also when it recorded nothing: a hand-edited "
      "file is rewritten in the writer's layout, and runs that show no text leave a file."),
    F("translator-known-lookup-records", "translation/TranslatorBase.cpp",
      "return m_Data.Lookup(text, m_bBaseModulesFirst, false);",
      "return m_Data.Lookup(text, m_bBaseModulesFirst, true);",
      "Texts only a screen reader asks for are recorded and written to a translation file."),
    # platform/ --------------------------------------------------------------------------------
    F("band-spec-alone-accepted", "platform/strings/BandSpec.cpp",
      "if (nOpen == std::string::npos || nOpen == 0)", "if (nOpen == std::string::npos)",
      "An entry that is only a bracket ([1-3]) counts as a band specifier with no path."),
    F("band-spec-any-text-accepted", "platform/strings/BandSpec.cpp",
      "if (rsEntry.find_first_not_of(\"0123456789,- \", nOpen + 1) != nClose)",
      "if (rsEntry.find_first_not_of(\"0123456789,- \", nOpen + 1) > nClose)",
      "Any bracketed text at the end of a path (file[a].txt]) is taken for a band specifier."),
    F("quote-backslash-unescaped", "platform/strings/MakeValueString.cpp",
      "if (c == '\"' || c == '\\\\')", "if (c == '\"')",
      "Quoted texts keep backslashes unescaped and read back wrongly."),
    F("double-five-digits", "platform/strings/MakeValueString.cpp",
      "stream.precision(6);", "stream.precision(5);",
      "Numbers are written with five significant digits (a ruler third reads 33.333)."),
    F("parse-trailing-text-accepted", "platform/strings/MakeValue.h",
      "    if (pStop != pEnd)", "    if (pStop > pEnd)",
      "Text after a valid word is ignored: \"guix\" reads as gui."),
    F("registry-null-check-dropped", "platform/translatorregistry/TranslatorRegistry.cpp",
      "    if (pTranslator == nullptr)\n        return;\n", "",
      "Registering a null translator crashes."),
    F("registry-cycle-check-dropped", "platform/translatorregistry/TranslatorRegistry.cpp",
      "const bool bCycle = std::find(chain.begin(), chain.end(), name) != chain.end();",
      "const bool bCycle = false;",
      "Two translation files naming each other as base modules recurse until the stack overflows."),
    F("registry-redirect-not-read", "platform/translatorregistry/TranslatorRegistry.cpp",
      "outputDirectory.empty() ? moduleDirectory : outputDirectory;", "moduleDirectory;",
      "A redirected translator reads the file beside the module instead of the one it writes."),
    F("registry-last-error-lost", "platform/translatorregistry/TranslatorRegistry.cpp",
      "    return state.m_LastError;", "    return std::string();",
      "The reason a translation file could not be read is never reported."),
    F("registry-base-without-file-lost", "platform/translatorregistry/TranslatorRegistry.cpp",
      "        }\n        table.m_BaseModules.push_back(std::move(base));",
      "            table.m_BaseModules.push_back(std::move(base));\n        }",
      "A base module without its own file is forgotten, and the rewritten file no longer names "
      "it."),
    F("trl-text-after-table-dropped", "platform/translatorregistry/TranslationFileReader.cpp",
      "    if (parser.NextLine())\n        return parser.Fail(\"text after the end of the translations\");\n",
      "",
      "Lines a person added after the end of the translation table are dropped without a copy or "
      "a word at the next rewrite."),
    F("lamp-five-plain", "platform/qtextensions/LampImage.cpp",
      "if (size < kSmallestShadedLamp)", "if (size <= kSmallestShadedLamp)",
      "A 5-pixel lamp is a plain square instead of a round lamp."),
    F("lamp-small-empty", "platform/qtextensions/LampImage.cpp",
      "        image.fill(lit);\n", "        image.fill(Qt::transparent);\n",
      "Lamps under 5 pixels show nothing."),
    F("negative-zero-text", "platform/strings/MakeValueString.cpp",
      "    if (dValue == 0.0)\n    {", "    if (dValue == 0.0 && 1 / dValue > 0)\n    {",
      "Negative zero reads \"-0\", on a ruler mark for instance."),
    F("trl-later-entry-dropped", "platform/translatorregistry/TranslationFileReader.cpp",
      "        it->second = translation;\n", "",
      "A translator's correction added below the original entry is silently ignored."),
    F("trl-second-base-line-replaces", "platform/translatorregistry/TranslationFileReader.cpp",
      "    if (!parser.ExpectWord(\"(\"))\n        return false;\n    for (bool bFirst",
      "    table.m_BaseModuleNames.clear();\n    if (!parser.ExpectWord(\"(\"))\n        return false;\n    for (bool bFirst",
      "A second BaseModules line replaces the first, and its names are lost at the next rewrite."),
    F("registry-base-renamed-by-its-file", "platform/translatorregistry/TranslatorRegistry.cpp",
      "                KeepListedName(path, name, base);\n", "",
      "A base module whose file names itself otherwise is written back under that name: the link "
      "to it is lost."),
    F("registry-noted-file-not-kept", "platform/translatorregistry/TranslatorRegistry.cpp",
      "if (!table.m_Notes.empty() && !KeepNoted(", "if (table.m_Notes.size() > 99 && !KeepNoted(",
      "A file with a corrected entry is rewritten without a copy of what the person wrote, and "
      "nothing is told."),
    # forms/ and designer/ -----------------------------------------------------------------------
    F("forms-lamp-size-kept-copy", "forms/MediaButton.h",
      "int lampSize() const { return GetLampSize(); }", "int lampSize() const { return 15; }",
      "Designer's lampSize shows the default instead of the lamp size the button has."),
    F("forms-ticks-kept-copy", "forms/BarScalePercent.h",
      "SetScaleMode(ticks, GetTicksRight());", "SetScaleMode(ticks, true);",
      "Setting the left ticks in Designer brings back the right ticks that code had removed."),
    F("forms-ruler-font-read-from-ruler", "forms/BarScalePercent.cpp",
      "SameRulerFont(*m_oSetFont, drawn) ? *m_oSetFont : drawn",
      "!SameRulerFont(*m_oSetFont, drawn) ? *m_oSetFont : drawn",
      "Designer's rulerFont reads back another font (pixel size) than the one set (points)."),
    F("forms-arrow-push-button-hint", "forms/ArrowButton.cpp",
      "return QSize(GetFitMode() == Base::Stretch ? 48 : 32, 32);", "return Base::sizeHint();",
      "An arrow button in a layout built in code shrinks to a few pixels."),
    F("forms-key-legend-rows-overlap", "forms/KeyLegends.h",
      "nRows * metrics.height()", "metrics.height()",
      "A key with two legends in a layout is too low: the legends overlap."),
    F("designer-key-without-legend", "designer/WidgetPlugin.cpp",
      "for (const auto& [name, value] : m_oInfo.vStartTexts)",
      "for (const auto& [name, value] : decltype(m_oInfo.vStartTexts)())",
      "A key dropped from Designer's widget box shows a blank face."),
    F("registry-shipped-not-read", "platform/translatorregistry/TranslatorRegistry.cpp",
      "    if (FileExists(shipped))\n        ReadShippedFile(*pTranslator, shipped);\n", "",
      "The translation installed with the library is never read: an application that chose "
      "German still shows English captions."),
    F("registry-shipped-wins", "platform/translatorregistry/TranslatorRegistry.cpp",
      "    if (FileExists(path))\n        ReadOwnFile(*pTranslator, path, directory, language);\n"
      "    const std::string shipped =\n"
      "        FilePath(moduleDirectory + \"/\" + kShippedFolder, moduleName, language);\n"
      "    if (FileExists(shipped))\n        ReadShippedFile(*pTranslator, shipped);\n",
      "    const std::string shipped =\n"
      "        FilePath(moduleDirectory + \"/\" + kShippedFolder, moduleName, language);\n"
      "    if (FileExists(shipped))\n        ReadShippedFile(*pTranslator, shipped);\n"
      "    if (FileExists(path))\n        ReadOwnFile(*pTranslator, path, directory, language);\n",
      "The installed translation overrides what a person translated in the module's own file."),
    F("german-caption-missing", "translation/ZuRaradirIzurodudozGerman.trl",
      "\"Select an existing file\"=\"Vorhandene Datei auswählen\"\n", "",
      "The shipped German translation lacks the caption of the open-file dialog."),
    # docs/ ------------------------------------------------------------------------------------
    F("docs-translator-listed", "docs/CMakeLists.txt",
      "\"^${PROJECT_SOURCE_DIR}/(platform|translation)/\"", "\"^${PROJECT_SOURCE_DIR}/(platform)/\"",
      "The reference lists the translator's internals as API."),
    # headers, packages, binary interface (the first three need --with-packaging) -------------
    F("forms-header-bare-include", "forms/ArrowButton.h",
      "#include <ZuRaradirIzurodudoz/ArrowButton.h>", "#include <ArrowButton.h>",
      "An application with an ArrowButton.h of its own no longer compiles the Designer-facing "
      "arrow header: ours picks the application's file."),
    F("umbrella-reaches-spirit", "editors/LoggerDefinitionsEdit.h",
      '#include "LoggerDefinitionRecord.h"', '#include "LoggerDefinition.h"',
      "Every file that includes the umbrella header compiles Boost.Spirit's parsers again."),
    F("runtime-library-in-dev-package", "cmake/ZriHelpers.cmake",
      "COMPONENT runtime NAMELINK_COMPONENT dev", "COMPONENT dev NAMELINK_COMPONENT dev",
      "The runtime package lacks the library: an application installed with it does not start."),
    F("arrow-button-grows", "buttons/ArrowButton.h",
      "    EFitMode m_eFitMode = Square;\n};", "    EFitMode m_eFitMode = Square;\n    int m_nSpare = 0;\n};",
      "The arrow button grows: an application built against the last release allocates it too "
      "small (its subclasses' members overlap ours)."),
    # issue 30, 29 and 33: translation files, German, gauge, ruler, switch, range slider, Forms,
    # Designer, packages, README ------------------------------------------------------------
    F("registry-installed-not-marked", "platform/translatorregistry/TranslatorRegistry.cpp",
      "    table.m_bInstalled = true;\n", "",
      "The own translation file copies every installed entry, and its \"not translated yet\" "
      "entries hide the translations of the next installed version: an upgrade never reaches "
      "the user."),
    F("translator-self-mapped-hides-installed", "translation/TranslatorData.cpp",
      "if (!bNew && it->second != it->first)", "if (!bNew)",
      "A text the own file maps to itself stays English although the installed file "
      "translates it."),
    F("translator-writes-installed", "translation/TranslatorBase.cpp",
      "file.Write(m_Data.WithoutTexts(m_InstalledTexts));", "file.Write(m_Data);",
      "The own file copies the installed translations; the next version's fixes are hidden."),
    F("registry-edited-settings-unnoted", "platform/translatorregistry/TranslatorRegistry.cpp",
      "    NoteChangedSettings(table, translator.GetModuleName(), language);\n", "",
      "A translator's own ModuleName and Language lines are lost at the next rewrite, without a "
      "copy or a word."),
    F("registry-differing-copy-replaced", "platform/translatorregistry/TranslatorRegistry.cpp",
      "            if (SameBytes(path, kept))\n                return kept;",
      "            if (true)\n                return kept;",
      "A file edited again after its first .kept copy is rewritten without a copy of the new "
      "edit."),
    F("registry-system-folder-written", "platform/translatorregistry/TranslatorRegistry.cpp",
      "if (outputDirectory.empty() && IsSystemFolder(moduleDirectory))",
      "if (outputDirectory.empty() && false)",
      "A program run as root writes translation files into the packages' library folder."),
    F("registry-user-folder-told-always", "platform/translatorregistry/TranslatorRegistry.cpp",
      "bTell = !State().m_bToldUserFolder;", "bTell = true;",
      "Every translator of a packaged library repeats on stderr where it writes."),
    F("german-display-name-missing", "translation/ZuRaradirIzurodudozGerman.trl",
      "\"Histogram\"=\"Histogramm\"\n", "",
      "A German screen reader hears the histogram called \"Histogram\"."),
    F("editor-label-qt-only", "editors/RectangleDefinitionEditData.cpp",
      "label_4->setText(FormText(pszContext, \"W&idth\"));",
      "label_4->setText(QCoreApplication::translate(pszContext, \"W&idth\"));",
      "The rectangle edit's width field stays \"Width\" in German."),
    F("logger-headers-english", "editors/LoggerDefinitionsEdit.cpp",
      "setText(FormText(pszContext, headers[column]));", "setText(headers[column]);",
      "The logger table's column headers stay English in German."),
    F("gauge-starts-at-zero", "displays/BarGauge.h",
      "double m_dValue = kNone; // no value yet", "double m_dValue = 0.0;",
      "A new gauge shows 0 and raises a low alarm before its first value."),
    F("gauge-inf-empty", "displays/BarGaugeGeometry.cpp",
      "if (std::isnan(value) || !std::isfinite(minimum)",
      "if (!std::isfinite(value) || !std::isfinite(minimum)",
      "An overflowing tank (+inf) shows an empty bar."),
    F("gauge-wide-range-overflows", "displays/BarGaugeGeometry.cpp",
      "return std::clamp((value / 2 - minimum / 2) / span, 0.0, 1.0);",
      "return std::clamp((value - minimum) / (maximum - minimum), 0.0, 1.0);",
      "A gauge over the widest range shows 0 as an empty bar."),
    F("gauge-footer-rounds-to-alarm", "displays/BarGauge.cpp",
      "(shown >= high) == (value >= high)", "(shown > high) == (value > high)",
      "The footer reads \"90\" at 89.6 while the bar is not in alarm."),
    F("gauge-negative-decimals", "displays/BarGauge.cpp",
      "m_nDecimals = std::clamp(decimals, 0, 15);", "m_nDecimals = std::min(decimals, 15);",
      "SetDecimals(-3) shows the value with six decimals."),
    F("gauge-empty-footer-shows-value", "displays/BarGauge.cpp",
      "m_sFooter.isNull() ? ValueText() : m_sFooter", "m_sFooter.isEmpty() ? ValueText() : m_sFooter",
      "An empty footer shows the value like the default one."),
    F("gauge-description-at-high-alarm", "displays/AccessibleBars.cpp",
      "return gauge.Value() >= gauge.HighAlarm() ? TranslatedText(\"high alarm\")",
      "return gauge.Value() > gauge.HighAlarm() ? TranslatedText(\"high alarm\")",
      "At exactly the high alarm level a screen reader hears \"low alarm\"."),
    F("gauge-value-unheard", "displays/BarGauge.cpp",
      "            Detail::SendAccessible(event);", "            QAccessible::updateAccessibility(&event);",
      "A UI-test tool's update handler never hears the gauge's value change."),
    F("gauge-alarm-unheard", "displays/BarGauge.cpp",
      "if (after.nAlarm != m_oBefore->nAlarm)", "if (false)",
      "Screen readers are not told that the gauge went into alarm."),
    F("gauge-title-unheard", "displays/BarGauge.cpp",
      "    const CHeardChanges heard(this);\n    m_sTitle = title;", "    m_sTitle = title;",
      "Screen readers keep the gauge's old name after SetTitle."),
    F("gauge-hint-constant", "displays/BarGauge.cpp",
      "return QSize(_TextWidth(), _GetTitleHeight() + _GetFooterHeight() + 160);",
      "return QSize(40, 200);",
      "A gauge in a layout cuts its title \"Temperature\" to \"mperatu\"."),
    F("gauge-hint-without-footer", "displays/BarGauge.cpp",
      "std::max({kNarrowest, title + 4, footer + 4})", "std::max({kNarrowest, title + 4})",
      "A gauge in a layout cuts a footer wider than its title."),
    F("ruler-fitting-without-ticks", "displays/BarScalePercent.cpp",
      "return QSize(labels + std::max(ticks, 2),", "return QSize(labels + 2,",
      "A ruler in a layout has no room for its ticks."),
    F("forms-ruler-no-hint", "forms/BarScalePercent.cpp",
      "QSize CBarScalePercent::sizeHint() const\n{\n    return FittingSize();",
      "QSize CBarScalePercent::sizeHint() const\n{\n    return Base::sizeHint();",
      "The Forms ruler gets no width in a layout and disappears."),
    F("forms-switch-check-box-hint", "forms/CheckBoxSwitch.cpp",
      "    return QSize(width + (shown ?", "    return Base::sizeHint();\n    return QSize(width + (shown ?",
      "A Forms switch in a layout cuts \"Pump running\" short."),
    F("forms-gauge-off-stays-on", "forms/BarGauge.cpp",
      "SetLowAlarm(on ? m_dLow : kOff);", "SetLowAlarm(m_dLow);",
      "Switching the Forms gauge's lowAlarmEnabled off leaves the low alarm on."),
    F("forms-gauge-level-switches-on", "forms/BarGauge.cpp",
      "if (highAlarmEnabled() || std::isnan(level))\n        SetHighAlarm(level);",
      "if (true)\n        SetHighAlarm(level);",
      "Restoring the Forms gauge's highAlarm switches an alarm on that was off."),
    F("forms-trend-bounds-kept-copy", "forms/TrendDisplay.cpp",
      "return _BoundsShown() ? m_dMin : ValueMin();", "return m_dMin;",
      "After SetValueRange(-5, 5) in code, Designer's valueMin reads 0."),
    F("forms-trend-code-axis-lost", "forms/TrendDisplay.cpp",
      "    if (!_BoundsShown())\n    {\n        m_dMin = ValueMin();",
      "    if (false)\n    {\n        m_dMin = ValueMin();",
      "Writing valueMax after SetValueRange(-5, 5) in code gives the axis 0..10."),
    F("designer-default-below-minimum", "designer/WidgetPlugin.cpp",
      "m_oInfo.oDefaultSize.expandedTo(widget->minimumSizeHint())", "m_oInfo.oDefaultSize",
      "Designer drops the rectangle edit below its own minimum size."),
    F("designer-logger-two-columns", "designer/Widgets.cpp",
      "QSize(640, 180), none, QSize(200, 150)),", "QSize(360, 180), none, QSize(200, 150)),",
      "A logger table dropped from the widget box shows only two of its columns."),
    F("slider-span-stops-short-of-minimum", "displays/RangeSlider.cpp",
      "        if (from + shift <= 0)\n", "        if (false)\n",
      "A span dragged against the minimum of a wide range stops short of it (2..202)."),
    F("slider-wheel-steps-ignored", "displays/RangeSlider.cpp",
      "Wide(steps) * m_nSingleStep);", "Wide(steps > 0 ? 1 : -1) * m_nSingleStep);",
      "Several notches of the wheel in one turn move the range slider's handle one step only."),
    F("slider-handle-heard-wrong", "displays/RangeSlider.cpp",
      "    event.setChild(handle);", "    event.setChild(0);",
      "A screen reader hears the start handle move when the end handle moved."),
    F("slider-event-bypasses-handler", "displays/RangeSlider.cpp",
      "    event.setChild(handle);\n    Detail::SendAccessible(event);",
      "    event.setChild(handle);\n    QAccessible::updateAccessibility(&event);",
      "A UI-test tool's update handler never hears the handles move."),
    F("slider-int-range-overflows", "displays/RangeSliderGeometry.cpp",
      "std::clamp<std::int64_t>(std::int64_t(value) - minimum, 0, range);",
      "std::clamp<std::int64_t>(value - minimum, 0, range);",
      "On a slider over the whole int range the handles sit at the wrong places."),
    F("histogram-description-nan-largest", "displays/AccessibleDisplays.cpp",
      "{ return std::isnan(a) || (!std::isnan(b) && a < b); }", "{ return a < b; }",
      "A histogram whose first count is NaN tells a screen reader no largest count."),
    F("forms-library-in-dev-package", "forms/CMakeLists.txt",
      "COMPONENT runtime NAMELINK_COMPONENT dev", "COMPONENT dev NAMELINK_COMPONENT dev",
      "An application built from a Designer form does not start with the runtime packages "
      "(needs --with-packaging)."),
    F("readme-plots-outside-layout", "README.md",
      "page->addWidget(histogram);                         // below the row of buttons\n", "",
      "The README's histogram lies over its buttons."),
]
# fmt: on

# ----------------------------------------------------------------------------------------------
# The runner

ROOT = subprocess.run(["git", "rev-parse", "--show-toplevel"], cwd=os.path.dirname(
    os.path.abspath(__file__)), check=True, capture_output=True, text=True).stdout.strip()
PACKAGING_TEST = "packaging_examples"

# Where a fault is tried: the build folder in the scratch copy, its options beside those of
# scripts/test.sh without -Werror (what the suite does not need is off), what is built and
# which tests run.
Suite = namedtuple("Suite", "folder options targets tests")
SUITES = {
    "": Suite("build", ["-DZRI_BUILD_BENCH=OFF", "-DZRI_BUILD_GALLERY=OFF",
                        "-DZRI_BUILD_FUZZERS=OFF"], [], []),
    "tsan": Suite("build-tsan", ["-DZRI_SANITIZE=thread", "-DZRI_BUILD_BENCH=OFF",
                                 "-DZRI_BUILD_GALLERY=OFF", "-DZRI_BUILD_DESIGNER=OFF"],
                  ["--target", "zri-thread-tests"], ["-L", "threads"]),
}


class Interrupted(Exception):
    pass


def on_terminate(signum, frame):
    raise Interrupted()


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def occurrences(fault, text):
    return text.count(fault.old.encode())


def check_table(faults, tree):
    """Problems of the table against a tree: duplicate ids, missing files, snippets that do not
    occur exactly once, replacements that change nothing."""
    problems = {}
    seen = set()
    for fault in faults:
        if fault.id in seen:
            problems[fault.id] = "duplicate id"
        seen.add(fault.id)
        path = os.path.join(tree, fault.file)
        if fault.old == fault.new:
            problems[fault.id] = "replacement equals the snippet"
        elif not os.path.isfile(path):
            problems[fault.id] = "file not found"
        else:
            count = occurrences(fault, read(path))
            if count != 1:
                problems[fault.id] = "snippet found %d times" % count
    return problems


def tracked_files():
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                         cwd=ROOT, check=True, capture_output=True).stdout
    return sorted({f for f in out.decode().split("\0") if f and os.path.isfile(
        os.path.join(ROOT, f))})


def sync_tree(source):
    """Mirrors the tracked files (and new, not ignored ones) into source; files whose bytes are
    unchanged keep their time stamps, so the build stays incremental."""
    files = tracked_files()
    wanted = set(files)
    for name in files:
        src = os.path.join(ROOT, name)
        dst = os.path.join(source, name)
        data = read(src)
        if os.path.isfile(dst) and read(dst) == data:
            continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        write(dst, data)
        shutil.copymode(src, dst)
    for folder, dirs, names in os.walk(source, topdown=False):
        for name in names:
            path = os.path.join(folder, name)
            if os.path.relpath(path, source) not in wanted:
                os.remove(path)
        if folder != source and not os.listdir(folder):
            os.rmdir(folder)


def run_logged(command, cwd, log, timeout=None):
    """Runs command with output into log; returns (exit status, seconds), None as status when
    the timeout cut it off. The process group is killed on timeout or interruption."""
    start = time.monotonic()
    with open(log, "a") as out:
        out.write("$ %s\n" % " ".join(command))
        out.flush()
        process = subprocess.Popen(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                   start_new_session=True)
        try:
            status = process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            status = None
        except BaseException:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            raise
        if status is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
    return status, time.monotonic() - start


def failed_tests(log):
    """Names of the tests ctest listed as failed in the log."""
    names = []
    with open(log, errors="replace") as f:
        for line in f:
            match = re.match(r"\s*\d+ - (\S+) \(", line)
            if match:
                names.append(match.group(1))
    return names


class Runner:
    def __init__(self, args):
        self.scratch = os.path.abspath(args.scratch or os.path.join(ROOT, "build-mutate"))
        if self.scratch == ROOT or ROOT.startswith(self.scratch + os.sep):
            sys.exit("mutate: the scratch folder must not hold the repository")
        self.source = os.path.join(self.scratch, "src")
        self.logs = os.path.join(self.scratch, "logs")
        self.jobs = args.jobs
        self.with_packaging = args.with_packaging
        self.ctest_limits = {}  # per prepared suite

    def log(self, name):
        path = os.path.join(self.logs, name + ".log")
        if os.path.exists(path):
            os.remove(path)
        return path

    def prepare(self):
        os.makedirs(self.logs, exist_ok=True)
        # As in scripts/test.sh: Qt wants a private runtime folder.
        runtime = os.path.join(self.scratch, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        os.environ.setdefault("XDG_RUNTIME_DIR", runtime)
        print("mutate: copying the tree into %s" % self.source, flush=True)
        sync_tree(self.source)

    def prepare_suite(self, name):
        """Configures the suite's build, builds and tests the unchanged tree there, once."""
        if name in self.ctest_limits:
            return
        suite = SUITES[name]
        label = " (%s)" % name if name else ""
        log = self.log("configure" + (name and "-" + name))
        status, _ = run_logged([os.path.join(self.source, "scripts", "configure.sh"),
                                os.path.join(self.scratch, suite.folder),
                                "-DZRI_WARNINGS_AS_ERRORS=OFF"] + suite.options, self.source, log)
        if status != 0:
            sys.exit("mutate: configuring failed, see %s" % log)
        print("mutate: building and testing the unchanged tree%s" % label, flush=True)
        log = self.log("baseline" + (name and "-" + name))
        if self.build_tree(suite, log) != 0:
            sys.exit("mutate: the unchanged tree does not build, see %s" % log)
        status, seconds = self.test_tree(suite, log, None)
        if status != 0:
            sys.exit("mutate: the unchanged suite fails, see %s" % log)
        # A planted fault may hang a test: the whole run is cut off well after a normal one.
        self.ctest_limits[name] = max(180.0, 4 * seconds)
        print("mutate: the unchanged suite%s passes (%.0f s)" % (label, seconds), flush=True)

    def build_tree(self, suite, log):
        status, _ = run_logged(["cmake", "--build", os.path.join(self.scratch, suite.folder),
                                "-j", str(self.jobs)] + suite.targets, self.source, log)
        return status

    def test_tree(self, suite, log, limit):
        # Tests that set no time limit of their own get 60 s; the whole run is cut off as well.
        command = ["ctest", "-j2", "--timeout", "60", "--stop-on-failure", "--output-on-failure"]
        command += suite.tests
        if not self.with_packaging:
            command += ["-E", "^%s$" % PACKAGING_TEST]
        return run_logged(command, os.path.join(self.scratch, suite.folder), log, limit)

    def try_fault(self, fault):
        """Plants one fault, builds, tests and restores the file; returns (status, detail)."""
        path = os.path.join(self.source, fault.file)
        original = read(path)
        count = occurrences(fault, original)
        if count != 1:
            return "STALE", "snippet found %d times" % count
        self.prepare_suite(fault.suite)
        suite = SUITES[fault.suite]
        log = self.log(fault.id)
        try:
            write(path, original.replace(fault.old.encode(), fault.new.encode()))
            if self.build_tree(suite, log) != 0:
                return "BROKEN", "does not build, see %s" % log
            status, seconds = self.test_tree(suite, log, self.ctest_limits[fault.suite])
        finally:
            write(path, original)
        if status is None:
            return "caught", "(suite cut off after %.0f s)" % seconds
        if status != 0:
            return "caught", "(%s)" % ", ".join(failed_tests(log)[:4])
        return "MISSED", "unguarded: " + fault.unguarded


def select(faults, only):
    if not only:
        return faults
    wanted = [name.strip() for name in only.split(",") if name.strip()]
    known = {fault.id for fault in faults}
    unknown = [name for name in wanted if name not in known]
    if unknown:
        sys.exit("mutate: unknown fault id(s): %s" % ", ".join(unknown))
    return [fault for fault in faults if fault.id in wanted]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the faults and stop")
    parser.add_argument("--check", action="store_true",
                        help="only check that every snippet occurs exactly once (no build)")
    parser.add_argument("--only", metavar="ID[,ID...]", help="run just these faults")
    parser.add_argument("--scratch", metavar="DIR", help="copy and build here (default: "
                        "build-mutate/ in the repository, kept between runs)")
    parser.add_argument("--with-packaging", action="store_true",
                        help="also run the %s test" % PACKAGING_TEST)
    parser.add_argument("-j", dest="jobs", type=int, default=2, help="build jobs (default 2)")
    args = parser.parse_args()
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # quiet when piped into head
    faults = select(FAULTS, args.only)

    if args.list:
        for fault in faults:
            suite = " [%s]" % fault.suite if fault.suite else ""
            print("%-36s %s%s\n%36s %s" % (fault.id, fault.file, suite, "", fault.unguarded))
        return 0
    if args.check:
        problems = check_table(faults, ROOT)
        for fault in faults:
            if fault.id in problems:
                print("STALE   %-36s %s: %s" % (fault.id, fault.file, problems[fault.id]))
        folders = sorted({fault.file.split("/")[0] for fault in faults})
        print("%d faults in %s; %d stale" % (len(faults), ", ".join(folders), len(problems)))
        return 1 if problems else 0

    signal.signal(signal.SIGTERM, on_terminate)
    runner = Runner(args)
    start = time.monotonic()
    results = []
    try:
        runner.prepare()
        for fault in faults:
            began = time.monotonic()
            status, detail = runner.try_fault(fault)
            results.append(status)
            print("%-7s %-36s %-50s %4.0f s %s" % (status, fault.id, fault.file,
                                                   time.monotonic() - began, detail), flush=True)
    except (KeyboardInterrupt, Interrupted):
        print("mutate: interrupted; the scratch copy is restored", flush=True)
        return 130
    caught = results.count("caught")
    print("caught %d of %d (%.0f %%); missed %d, stale %d, broken %d; %.0f min" % (
        caught, len(results), 100.0 * caught / max(len(results), 1), results.count("MISSED"),
        results.count("STALE"), results.count("BROKEN"), (time.monotonic() - start) / 60))
    if results.count("STALE") or results.count("BROKEN"):
        print("mutate: stale or broken faults: update their snippets in scripts/mutate.py")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
