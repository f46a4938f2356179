#pragma once

#include "FenraQtExtensionsExport.h"
#include "RGBColor.h"

class QImage;

namespace Varo::FenraQtGui::QtExtensions
{

/**
 * Overwrites @p image with a round indicator lamp of @p color, exactly @p size x @p size pixels
 * in QImage::Format_ARGB32_Premultiplied: a lit body whose centre shows the colour itself, a
 * highlight at the upper left, a darker rim and a transparent background.
 *
 * Lamps smaller than 5 pixels have no room for shading and are filled with the plain colour.
 * A size of 0 or less leaves a null image (0 x 0), which is also what a size too large to
 * allocate gives; nothing is drawn then.
 */
FENRA_QTEXTENSIONS_EXPORT void
CreateLampImage(QImage& image, const Varo::Fenra::Color::CRGBColor<unsigned char>& color, int size);

/// How often CreateLampImage has been called in this process. Callers that cache lamp images
/// use it to check that their cache really spares the drawing.
FENRA_QTEXTENSIONS_EXPORT long GetLampImageCount();

} // namespace Varo::FenraQtGui::QtExtensions
