#include "HistogramFeeder.h"

#include "FeedHub.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CHistogramFeeder::CHistogramFeeder() = default;

CHistogramFeeder::CHistogramFeeder(std::shared_ptr<Detail::CHistogramFeedHub> hub)
    : m_pHub(std::move(hub))
{
}

CHistogramFeeder::~CHistogramFeeder() = default;
CHistogramFeeder::CHistogramFeeder(const CHistogramFeeder& other) = default;
CHistogramFeeder& CHistogramFeeder::operator=(const CHistogramFeeder& other) = default;

bool CHistogramFeeder::Add(int list, const double* counts, std::size_t count)
{
    return m_pHub && (counts || count == 0) && m_pHub->Add(list, counts, count);
}

bool CHistogramFeeder::Replace(int list, const double* counts, std::size_t count)
{
    return m_pHub && (counts || count == 0) && m_pHub->Replace(list, counts, count);
}

bool CHistogramFeeder::IsConnected() const
{
    return m_pHub && !m_pHub->IsClosed();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
