#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// The property every shown widget keeps: after any sequence of operations the screen shows
// exactly what a fresh render() of its state shows. Random sequences find the cases nobody
// wrote down; a failing one is shrunk to a few steps and printed.
namespace ZriTest
{

/// One kind of step: its name and what it does to the widget, given a random number.
struct SStep
{
    const char* pszName;
    std::function<void(QWidget&, quint32)> fnApply;
};

/// Runs `steps` steps drawn from kinds with seed on a shown widget from make(). Empty when the
/// screen matched a fresh render after every step; else the shortest failing sequence found,
/// one step a line, ending with the first pixel that differs.
QString CheckScreenMatchesRender(const std::function<std::unique_ptr<QWidget>()>& make,
                                 const std::vector<SStep>& kinds, quint32 seed, int steps);

/// ZRI_PROPERTY_STEPS from the environment (for long runs), else fallback.
int PropertySteps(int fallback);

} // namespace ZriTest
