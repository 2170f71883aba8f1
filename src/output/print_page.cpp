// One sheet on the page: translate, scale, clip, then the same drawing routines as the screen.
#include "output/print_page.h"

#include "display/colors.h"
#include "output/painter_canvas.h"

namespace loopword {

void PaintSheetOnPage(QPainter& painter, double dotsPerInch, QPoint topLeft, int widthTwips, int heightTwips,
                      const std::function<void(Picture&)>& draw) {
  const double devicePerTwip = dotsPerInch / kTwipsPerInch;
  painter.save();
  painter.translate(topLeft.x() * devicePerTwip, topLeft.y() * devicePerTwip);
  painter.scale(kPrintScale, kPrintScale);
  painter.setClipRect(QRectF(0, 0, widthTwips * devicePerTwip, heightTwips * devicePerTwip));
  PainterCanvas canvas(painter, dotsPerInch, widthTwips, heightTwips, ColorBack);
  Picture picture(canvas);
  draw(picture);
  painter.restore();
}

}  // namespace loopword
