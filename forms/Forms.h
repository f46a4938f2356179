#pragma once

// Every class of the Forms target.
#include "ArrowButton.h"
#include "BarGauge.h"
#include "BarScalePercent.h"
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "FileEditLine.h"
#include "HistogramDisplay.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "MediaButton.h"
#include "MultiFileEdit.h"
#include "RangeSlider.h"
#include "RectangleDefinitionEdit.h"
#include "TrendDisplay.h"
