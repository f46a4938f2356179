#include "TrendFeeder.h"

#include "FeedHub.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CTrendFeeder::CTrendFeeder() = default;

CTrendFeeder::CTrendFeeder(std::shared_ptr<Detail::CTrendFeedHub> hub) : m_pHub(std::move(hub)) {}

CTrendFeeder::~CTrendFeeder() = default;
CTrendFeeder::CTrendFeeder(const CTrendFeeder& other) = default;
CTrendFeeder& CTrendFeeder::operator=(const CTrendFeeder& other) = default;

bool CTrendFeeder::Push(int series, double time, double value)
{
    return m_pHub && m_pHub->Push(series, time, value) == Detail::EPushResult::Stored;
}

std::size_t CTrendFeeder::Push(int series, const double* times, const double* values,
                               std::size_t count)
{
    if (!m_pHub || !times || !values)
        return 0;
    return m_pHub->Push(series, times, values, count).nStored;
}

bool CTrendFeeder::IsConnected() const
{
    return m_pHub && !m_pHub->IsClosed();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
