# The README's C++ snippets, in their order, as one program: their #include lines at the top,
# everything else in one function that gets the names the snippets take as given (parent, counts,
# seconds, value). The readme_snippets test builds it with the build's warnings and runs it: it
# fails when two widgets that the snippets make overlap, or one gets less than its minimum size.
set(zri_readme "${PROJECT_SOURCE_DIR}/README.md")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${zri_readme}")
file(READ "${zri_readme}" zri_text)
# CMake lists split at ";" and brackets hold them together: both are kept out of the way.
string(REPLACE ";" "@SEMICOLON@" zri_text "${zri_text}")
string(REPLACE "[" "@OPEN@" zri_text "${zri_text}")
string(REPLACE "]" "@CLOSE@" zri_text "${zri_text}")
string(REGEX MATCHALL "```cpp\n[^`]*```" zri_blocks "${zri_text}")
set(zri_includes "")
set(zri_body "")
foreach(zri_block IN LISTS zri_blocks)
    string(REGEX REPLACE "^```cpp\n(.*)```$" "\\1" zri_block "${zri_block}")
    string(REPLACE "\n" ";" zri_lines "${zri_block}")
    foreach(zri_line IN LISTS zri_lines)
        if(zri_line MATCHES "^#include")
            string(APPEND zri_includes "${zri_line}\n")
        else()
            string(APPEND zri_body "    ${zri_line}\n")
        endif()
    endforeach()
endforeach()
set(zri_program "// Made from README.md by tests/ReadmeSnippets.cmake; edit the README, not this file.
${zri_includes}
#include <ZuRaradirIzurodudoz/TranslatorRegistry.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace
{

void Snippets([[maybe_unused]] QWidget* parent, [[maybe_unused]] std::vector<double> counts,
              [[maybe_unused]] double seconds, [[maybe_unused]] double value)
{
${zri_body}}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir translations;
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        translations.path().toStdString());
    QWidget window;
    Snippets(&window, std::vector<double>(256, 1.0), 1.0, 2.0);
    window.resize(window.sizeHint());
    window.show();
    QCoreApplication::processEvents();
    int failures = 0;
    const QList<QWidget*> widgets = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* one : widgets)
    {
        const QSize least = one->minimumSizeHint().expandedTo(QSize(1, 1));
        if (one->width() < least.width() || one->height() < least.height())
        {
            std::fprintf(stderr, \"%s has no room\\n\", one->metaObject()->className());
            ++failures;
        }
        for (QWidget* other : widgets)
            if (one < other && one->geometry().intersects(other->geometry()))
            {
                std::fprintf(stderr, \"%s and %s overlap\\n\", one->metaObject()->className(),
                             other->metaObject()->className());
                ++failures;
            }
    }
    std::printf(\"readme_snippets: %d widgets, %d faults\\n\", int(widgets.size()), failures);
    return widgets.size() < 8 || failures != 0 ? 1 : 0;
}
")
string(REPLACE "@SEMICOLON@" ";" zri_program "${zri_program}")
string(REPLACE "@OPEN@" "[" zri_program "${zri_program}")
string(REPLACE "@CLOSE@" "]" zri_program "${zri_program}")
file(CONFIGURE OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/readme_snippets.cpp" CONTENT "${zri_program}"
    @ONLY)
add_executable(readme_snippets "${CMAKE_CURRENT_BINARY_DIR}/readme_snippets.cpp")
target_link_libraries(readme_snippets PRIVATE ZuRaradirIzurodudozForms)
add_test(NAME readme_snippets COMMAND readme_snippets)
set_tests_properties(readme_snippets PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false;${ZRI_SANITIZER_ENV}")
