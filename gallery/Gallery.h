#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

// The gallery shows one page per widget family. Each page registers itself from its own source
// file with ZRI_GALLERY_PAGE, so a new widget family adds one file and nothing else.
namespace ZriGallery
{

using PageFactory = QWidget* (*)();

struct SPage
{
    QString sKey;   ///< stable file name of the page's screenshot, without ".png"
    QString sTitle; ///< tab caption
    PageFactory fnCreate;
};

/// All registered pages ordered by key.
std::vector<SPage> Pages();

struct CPageRegistrar
{
    CPageRegistrar(const char* key, const char* title, PageFactory create);
};

/// Whether the gallery writes pictures instead of showing a window. A page may then show what a
/// picture cannot catch otherwise, such as the caption of a dialog.
bool IsScreenshotRun();
void SetScreenshotRun(bool bScreenshots);

/// A grid of cells with a caption above each column and left of each row.
QWidget* MakeGrid(const QStringList& rowTitles, const QStringList& columnTitles,
                  const std::function<QWidget*(int row, int column)>& makeCell);

/// A titled box around one widget, for pages that show a few larger examples.
QWidget* Framed(const QString& title, QWidget* content);

} // namespace ZriGallery

#define ZRI_GALLERY_PAGE(key, title, factory)                                                      \
    static const ZriGallery::CPageRegistrar s_oRegistrar_##factory(key, title, factory)
