// One sheet on the page: translate, scale, clip, then the same drawing routines as the screen.
#include "output/print_page.h"

#include "display/colors.h"
#include "output/painter_canvas.h"

namespace loopword {

void PaintSheetOnPage(QPainter& painter, double dotsPerInch, QPoint topLeft, int widthTwips, int heightTwips,
                      const std::function<void(Picture&)>& draw) {
  painter.save();
  painter.translate(TwipsToDevice(topLeft.x(), dotsPerInch), TwipsToDevice(topLeft.y(), dotsPerInch));
  painter.scale(kPrintScale, kPrintScale);
  painter.setClipRect(QRectF(0, 0, TwipsToDevice(widthTwips, dotsPerInch), TwipsToDevice(heightTwips, dotsPerInch)));
  PainterCanvas canvas(painter, dotsPerInch, widthTwips, heightTwips, ColorBack);
  Picture picture(canvas);
  draw(picture);
  painter.restore();
}

}  // namespace loopword
