#include "TestSupport.h"

#include "TranslatorRegistry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTemporaryDir>

namespace ZriTest
{

void PrepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // What widgets and file dialogs store in the settings (header states, the dialogs' last
    // places) goes to a directory of this run, never into the configuration of whoever runs it.
    static QTemporaryDir s_Settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(s_Settings.path()));
}

QString TranslationDirectory()
{
    // Created before the first translator, so destroyed after it: static objects go in the
    // reverse order of their construction, and the translator writes while it is destroyed.
    static QTemporaryDir s_Directory;
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        s_Directory.path().toStdString());
    return s_Directory.path();
}

QPalette TestPalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    {
        palette.setColor(group, QPalette::Light, kLight);
        palette.setColor(group, QPalette::Dark, kDark);
        palette.setColor(group, QPalette::Button, QColor(200, 200, 200));
        palette.setColor(group, QPalette::ButtonText,
                         group == QPalette::Disabled ? kDisabledButtonText : kButtonText);
    }
    return palette;
}

void SetUpApplication()
{
    // The style first: setting a style resets the application palette to the style's own.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(TestPalette());
}

QImage RenderWidget(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(QColor(16, 32, 48)); // none of the colours Colours() names
    widget.render(&image);
    return image;
}

static QColor PixelAt(const QImage& image, int x, int y)
{
    return image.valid(x, y) ? QColor(image.pixel(x, y)) : QColor();
}

QString Colours(const QImage& image, const QString& points)
{
    static const QList<QPair<QColor, QChar>> letters = {{kButtonText, 'T'},
                                                        {kDisabledButtonText, 't'},
                                                        {kLight, 'L'},
                                                        {kDark, 'D'},
                                                        {QColor(0, 255, 0), 'G'},
                                                        {QColor(128, 128, 128), 'g'},
                                                        {QColor(192, 0, 0), 'R'},
                                                        {QColor(0, 192, 0), 'O'},
                                                        {QColor(255, 0, 255), 'M'},
                                                        {QColor(0, 255, 255), 'C'},
                                                        {QColor(0, 0, 0), 'K'}};
    QString result;
    for (const QString& point : points.split(' ', Qt::SkipEmptyParts))
    {
        const QColor colour =
            PixelAt(image, point.section(',', 0, 0).toInt(), point.section(',', 1, 1).toInt());
        QChar letter('.');
        for (const auto& known : letters)
            if (known.first == colour)
                letter = known.second;
        result += letter;
    }
    return result;
}

QString Colours(QWidget& widget, const QString& points)
{
    return Colours(RenderWidget(widget), points);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TrlText(const QByteArray& module, const QByteArray& language, const QByteArray& bases,
                   const QByteArray& entries)
{
    return "TF(0001)\nSettings\n(\n\tModuleName(" + module + ")\n\tLanguage(" + language +
           ")\n\tBaseModules(" + bases + ")\n)\nTranslations\n(\n" + entries + ")\n";
}

void AddRows(std::initializer_list<const char*> columns,
             std::initializer_list<std::vector<const char*>> rows)
{
    for (const char* pszColumn : columns) // the table keeps the name's pointer
        QTest::addColumn<QString>(pszColumn);
    for (const auto& row : rows)
    {
        QTestData& data = QTest::newRow(row.at(0));
        for (std::size_t i = 1; i < row.size(); ++i)
            data << QString::fromUtf8(row[i]);
    }
}

CPaintSpy::CPaintSpy(QWidget* pwWidget) : QObject(pwWidget)
{
    pwWidget->installEventFilter(this);
}

bool CPaintSpy::eventFilter(QObject*, QEvent* pEvent)
{
    m_nPaints += pEvent->type() == QEvent::Paint;
    return false;
}

CRecordingStyle::CRecordingStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void CRecordingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    if (element == CE_PushButton)
        m_vBevels << *qstyleoption_cast<const QStyleOptionButton*>(option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void CRecordingStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                   const QPalette& palette, bool enabled, const QString& text,
                                   QPalette::ColorRole role) const
{
    if (!text.isEmpty()) // a bevel asks for its own empty label too
        m_vTexts.push_back({text, rect, flags, painter->font().pixelSize()});
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
}

// The dialog lists its directory in the background and may reset the name field when the
// listing arrives, so the name is typed until it sticks; done() then skips accept()'s checks,
// which could ask back in a nested message box.
void ChooseInFileDialog(QFileDialog* pDialog, const QStringList& qslPaths)
{
    QString qsTyped = qslPaths.value(0);
    if (qslPaths.size() > 1)
    {
        QStringList qslQuoted;
        for (const QString& rqsPath : qslPaths)
            qslQuoted << QLatin1Char('"') + QFileInfo(rqsPath).fileName() + QLatin1Char('"');
        qsTyped = qslQuoted.join(QLatin1Char(' '));
    }
    auto* pwName = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(pwName);
    QTRY_VERIFY((pwName->setText(qsTyped), pDialog->selectedFiles() == qslPaths));
    static_cast<QDialog*>(pDialog)->done(QDialog::Accepted);
}

void Drop(QWidget& target, const QMimeData& data, Qt::KeyboardModifiers modifiers)
{
    const auto actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &enter); // makes the widget the drop target
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &move);
    const bool bReplace = modifiers & (Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(move.dropAction(), bReplace ? Qt::LinkAction : Qt::CopyAction);
    QDropEvent drop(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &drop);
}

QWidget* OpenEditor(QTableWidget* pwTable, int nRow, int nColumn)
{
    // A double click follows a press on the same cell.
    const QPoint centre = pwTable->visualItemRect(pwTable->item(nRow, nColumn)).center();
    QTest::mouseClick(pwTable->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(pwTable->viewport(), Qt::LeftButton, {}, centre);
    return pwTable->indexWidget(pwTable->model()->index(nRow, nColumn));
}

QLineEdit* TextField(QWidget* pwEditor)
{
    if (auto* pwLine = qobject_cast<QLineEdit*>(pwEditor))
        return pwLine;
    return pwEditor ? pwEditor->findChild<QLineEdit*>(QStringLiteral("m_wCurrentPath")) : nullptr;
}

void PickEntry(QComboBox* pwCombo, const QString& rqsText)
{
    pwCombo->showPopup();
    QAbstractItemView* pwView = pwCombo->view();
    const int nTarget = pwCombo->findText(rqsText);
    pwView->setCurrentIndex(pwView->model()->index(0, 0));
    for (int i = 0; i < nTarget; ++i)
        QTest::keyClick(pwView, Qt::Key_Down);
    QTest::keyClick(pwView, Qt::Key_Return);
}

} // namespace ZriTest
