#include "ScreenProperty.h"

#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>

#include <utility>

namespace ZriTest
{

namespace
{

using CSequence = std::vector<std::pair<std::size_t, quint32>>; // kind, its random number

struct SMismatch
{
    int nStep = -1; // the step after which the screen differed; -1: none did
    QString sPixel;
};

QImage Screen(QWidget& widget)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(widget.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage FreshPaint(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget.render(&image);
    return image;
}

QString FirstDifference(const QImage& screen, const QImage& fresh)
{
    if (screen.size() != fresh.size())
    {
        return QStringLiteral("screen %1x%2, fresh paint %3x%4")
            .arg(screen.width())
            .arg(screen.height())
            .arg(fresh.width())
            .arg(fresh.height());
    }
    for (int y = 0; y < screen.height(); ++y)
    {
        for (int x = 0; x < screen.width(); ++x)
        {
            if (screen.pixel(x, y) != fresh.pixel(x, y))
            {
                return QStringLiteral("pixel %1,%2: screen %3, fresh paint %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(screen.pixel(x, y)).name(), QColor(fresh.pixel(x, y)).name());
            }
        }
    }
    return {};
}

SMismatch Replay(const std::function<std::unique_ptr<QWidget>()>& make,
                 const std::vector<SStep>& kinds, const CSequence& sequence)
{
    const std::unique_ptr<QWidget> widget = make();
    widget->show();
    if (!QTest::qWaitForWindowExposed(widget.get()))
    {
        return {0, QStringLiteral("the widget never showed")};
    }
    for (std::size_t i = 0; i < sequence.size(); ++i)
    {
        kinds[sequence[i].first].fnApply(*widget, sequence[i].second);
        // The widget's own posted frame, then the repaint it asked for.
        for (int turn = 0; turn < 3; ++turn)
        {
            QCoreApplication::processEvents();
        }
        if (!widget->isVisible())
        {
            continue;
        }
        const QString difference = FirstDifference(Screen(*widget), FreshPaint(*widget));
        if (!difference.isEmpty())
        {
            return {static_cast<int>(i), difference};
        }
    }
    return {};
}

// Drops runs of steps, long ones first, while the rest still fails (a simple delta debugging).
CSequence Shrink(const std::function<std::unique_ptr<QWidget>()>& make,
                 const std::vector<SStep>& kinds, CSequence sequence, SMismatch& mismatch)
{
    int budget = 400;
    for (std::size_t run = sequence.size() / 2; run >= 1 && budget > 0; run /= 2)
    {
        for (std::size_t at = 0; at < sequence.size() && budget-- > 0;)
        {
            CSequence shorter = sequence;
            shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(at),
                          shorter.begin() +
                              static_cast<std::ptrdiff_t>(std::min(at + run, shorter.size())));
            const SMismatch found = Replay(make, kinds, shorter);
            if (found.nStep >= 0)
            {
                shorter.resize(static_cast<std::size_t>(found.nStep) + 1);
                sequence = std::move(shorter);
                mismatch = found;
            }
            else
            {
                at += run;
            }
        }
    }
    return sequence;
}

} // namespace

QString CheckScreenMatchesRender(const std::function<std::unique_ptr<QWidget>()>& make,
                                 const std::vector<SStep>& kinds, quint32 seed, int steps)
{
    QRandomGenerator random(seed);
    CSequence sequence;
    for (int i = 0; i < steps; ++i)
    {
        sequence.emplace_back(random.bounded(static_cast<quint32>(kinds.size())),
                              random.generate());
    }
    SMismatch mismatch = Replay(make, kinds, sequence);
    if (mismatch.nStep < 0)
    {
        return {};
    }
    const int failedAt = mismatch.nStep;
    sequence.resize(static_cast<std::size_t>(mismatch.nStep) + 1);
    sequence = Shrink(make, kinds, sequence, mismatch);
    QString text = QStringLiteral("seed %1, step %2 of %3, shrunk to %4 steps:\n")
                       .arg(seed)
                       .arg(failedAt)
                       .arg(steps)
                       .arg(sequence.size());
    for (const auto& step : sequence)
    {
        text += QStringLiteral("  %1(%2)\n")
                    .arg(QString::fromLatin1(kinds[step.first].pszName))
                    .arg(step.second);
    }
    return text + QStringLiteral("  then ") + mismatch.sPixel;
}

int PropertySteps(int fallback)
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("ZRI_PROPERTY_STEPS", &ok);
    return ok && steps > 0 ? steps : fallback;
}

} // namespace ZriTest
