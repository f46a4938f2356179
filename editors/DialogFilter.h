#pragma once

#include "FileType.h"

#include <QString>

#include <boost/tuple/tuple.hpp>

#include <list>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * The filter text of a file dialog for the given types, and the entry of it that matches
 * rqsSuffix (empty when none does). Each type gives "Description ( *.ext )", with " *.EXT"
 * before the closing bracket when it has the upper-case variant; "All Files (*)" comes last.
 * A type matches when its ending equals rqsSuffix, case-sensitively for types with the
 * upper-case variant and case-insensitively otherwise; the last matching type wins.
 */
boost::tuple<QString, QString>
MakeDialogFilter(const std::list<Varo::Fenra::ParameterPool::SFileType>& rFileTypes,
                 const QString& rqsSuffix);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
