#include "Gallery.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace ZriGallery
{
namespace
{

std::vector<SPage>& Registry()
{
    static std::vector<SPage> pages;
    return pages;
}

bool s_bScreenshotRun = false;

} // namespace

bool IsScreenshotRun()
{
    return s_bScreenshotRun;
}

void SetScreenshotRun(bool bScreenshots)
{
    s_bScreenshotRun = bScreenshots;
}

std::vector<SPage> Pages()
{
    std::vector<SPage> pages = Registry();
    std::sort(pages.begin(), pages.end(),
              [](const SPage& a, const SPage& b) { return a.sKey < b.sKey; });
    return pages;
}

CPageRegistrar::CPageRegistrar(const char* key, const char* title, PageFactory create)
{
    Registry().push_back({QString::fromLatin1(key), QString::fromUtf8(title), create});
}

QWidget* MakeGrid(const QStringList& rowTitles, const QStringList& columnTitles,
                  const std::function<QWidget*(int row, int column)>& makeCell)
{
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(6);
    for (int column = 0; column < columnTitles.size(); ++column)
    {
        auto* label = new QLabel(columnTitles.at(column));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label, 0, column + 1);
    }
    for (int row = 0; row < rowTitles.size(); ++row)
    {
        layout->addWidget(new QLabel(rowTitles.at(row)), row + 1, 0);
        for (int column = 0; column < columnTitles.size(); ++column)
            if (QWidget* cell = makeCell(row, column))
                layout->addWidget(cell, row + 1, column + 1, Qt::AlignCenter);
    }
    return grid;
}

QWidget* Framed(const QString& title, QWidget* content)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace ZriGallery
