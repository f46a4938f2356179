// The few calls whose Qt 5 form is gone from Qt 6, each behind one small function, so that the
// widgets themselves carry no version checks.
#pragma once

#include <QDropEvent>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QRegularExpression>
#else
#include <QRegExp>
#endif

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// text split at every match of the regular expression pattern, empty parts kept. Qt 5 splits
/// with QRegExp, Qt 6 (which has no QRegExp) with QRegularExpression; for the plain
/// alternatives of characters that callers pass both find the same matches.
inline QStringList SplitKeepingEmptyParts(const QString& text, const QString& pattern)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return text.split(QRegularExpression(pattern), Qt::KeepEmptyParts);
#else
    return text.split(QRegExp(pattern), Qt::KeepEmptyParts);
#endif
}

/// The keyboard modifiers held while a drag moves or drops (renamed in Qt 6).
inline Qt::KeyboardModifiers DropModifiers(const QDropEvent& event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event.modifiers();
#else
    return event.keyboardModifiers();
#endif
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
