#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <cstddef>
#include <memory>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
class CHistogramFeedHub;
} // namespace Detail

/**
 * A handle through which any thread feeds a histogram display's data lists, with the lifetime
 * rules of CTrendFeeder: cheap to copy, one producer per data list at a time, and once the
 * display is gone every call returns false.
 *
 * The display merges what was pushed once per frame, so a camera thread may replace a list at
 * its own rate: replacements that a frame did not show are superseded by the next, additions
 * are summed, and nothing is lost. A call costs in proportion to the counts it passes and
 * allocates only while the lists grow.
 */
class ZRI_EXPORT CHistogramFeeder
{
public:
    /// A feeder of no display: every call returns false.
    CHistogramFeeder();
    /// Made by the display.
    explicit CHistogramFeeder(std::shared_ptr<Detail::CHistogramFeedHub> hub);
    ~CHistogramFeeder();
    CHistogramFeeder(const CHistogramFeeder& other);
    CHistogramFeeder& operator=(const CHistogramFeeder& other);

    /// Adds counts[i] to class i of the list (a shorter list grows). False, and nothing
    /// changed, when the list or display does not exist, a count is NaN or infinite, or there
    /// are more than 65,536 counts.
    bool Add(int list, const double* counts, std::size_t count);
    /// Makes the counts the whole list; false as for Add.
    bool Replace(int list, const double* counts, std::size_t count);
    /// False once the display is gone: calls go nowhere.
    bool IsConnected() const;

private:
    std::shared_ptr<Detail::CHistogramFeedHub> m_pHub;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
