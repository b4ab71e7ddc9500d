// Draws the pictures the windows show and writes them into resources/ (or the folder given
// as the only argument). Run once; the pictures are committed, the program is kept so that
// they can be redrawn. The check mark is written through libjpeg, the rest as PNG.
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

const QColor kFace(240, 240, 240);

QString Family() {
    const QStringList families = QFontDatabase::families();
    for (const char *candidate : {"Liberation Sans", "Arial", "DejaVu Sans"}) {
        if (families.contains(QLatin1String(candidate), Qt::CaseInsensitive))
            return QString::fromLatin1(candidate);
    }
    return QString();
}

QFont SansFont(qreal pixelSize) {
    QFont font(Family());
    font.setPixelSize(qRound(pixelSize));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

bool WriteJpeg(const QImage &picture, const QString &path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    // A 17-pixel picture blurs badly with chroma subsampling and low quality.
    jpeg_set_quality(&info, 95, TRUE);
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto *row = const_cast<JSAMPLE *>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

QImage CheckMark() {
    QImage picture(17, 17, QImage::Format_RGB32);
    picture.fill(kFace);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0, 150, 40), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPolyline(QPolygonF({{3.0, 9.0}, {7.0, 13.0}, {14.0, 4.0}}));
    return picture;
}

QImage WarningSymbol() {
    QImage picture(33, 30, QImage::Format_RGB32);
    picture.fill(kFace);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 210, 0));
    painter.drawPolygon(QPolygonF({{16.5, 1.0}, {31.5, 28.5}, {1.5, 28.5}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({{14.6, 9.0}, {18.4, 9.0}, {17.5, 20.0}, {15.5, 20.0}}));
    painter.drawEllipse(QPointF(16.5, 23.8), 1.9, 1.9);
    return picture;
}

// A filled arrow head at `tip`, pointing along (dx, dy).
void ArrowHead(QPainter &painter, QPointF tip, qreal dx, qreal dy) {
    const qreal length = 8.0;
    const qreal half = 2.6;
    const QPointF back = tip - QPointF(dx, dy) * length;
    const QPointF side(-dy * half, dx * half);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({tip, back + side, back - side}));
    painter.restore();
}

// "h" in italics with a subscript, its left end at `origin` on the baseline.
void WearSymbol(QPainter &painter, QPointF origin, const QString &subscript) {
    QFont letter(QStringLiteral("DejaVu Serif"));
    letter.setPixelSize(19);
    letter.setItalic(true);
    QFont small(QStringLiteral("DejaVu Serif"));
    small.setPixelSize(13);
    small.setItalic(true);
    painter.setFont(letter);
    painter.drawText(origin, QStringLiteral("h"));
    const qreal advance = QFontMetricsF(letter).horizontalAdvance(QStringLiteral("h"));
    painter.setFont(small);
    painter.drawText(origin + QPointF(advance + 0.5, 5.0), subscript);
}

// The cutter's tip in side view: the rake face on top, the flank falling away from the edge
// at the clearance angle. The worn zone is the sliver between the original edge and the flat
// wear land: its width along the rake face is the dimensional wear, its height the flank wear.
QImage CutterDrawing() {
    QImage picture(338, 219, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal rakeY = 74.0;
    const qreal baseY = 200.0;
    const qreal leftX = 40.0;
    const qreal edgeX = 240.0; // the original, unworn cutting edge
    const qreal clearance = std::tan(15.0 * M_PI / 180.0);
    const qreal hp = 22.0;
    const qreal landX = edgeX - hp;
    const qreal landBottomY = rakeY + hp / clearance;
    const auto flankX = [&](qreal y) { return edgeX - (y - rakeY) * clearance; };

    const QPointF edge(edgeX, rakeY);
    const QPointF wornEdge(landX, rakeY);
    const QPointF landBottom(landX, landBottomY);
    const QPointF flankBottom(flankX(baseY), baseY);

    // Hatching of the worn zone, clipped to its triangle.
    QPainterPath worn;
    worn.addPolygon(QPolygonF({edge, wornEdge, landBottom}));
    worn.closeSubpath();
    painter.save();
    painter.setClipPath(worn);
    painter.setPen(QPen(Qt::black, 1.0));
    for (qreal offset = -120.0; offset < 40.0; offset += 4.0)
        painter.drawLine(QPointF(landX + offset, landBottomY),
                         QPointF(landX + offset + 80.0, landBottomY - 80.0));
    painter.restore();

    // The original edge and flank before wear, thin and dashed.
    painter.setPen(QPen(Qt::black, 1.0, Qt::DashLine));
    painter.drawLine(wornEdge, edge);
    painter.drawLine(edge, landBottom);

    // The worn tool's outline: rake face, wear land, flank, base, break line.
    QPen outline(Qt::black, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(outline);
    QPainterPath body;
    body.moveTo(leftX, rakeY);
    body.lineTo(wornEdge);
    body.lineTo(landBottom);
    body.lineTo(flankBottom);
    body.lineTo(leftX, baseY);
    painter.drawPath(body);
    QPainterPath breakLine;
    breakLine.moveTo(leftX, rakeY);
    const qreal span = baseY - rakeY;
    breakLine.cubicTo(leftX - 10.0, rakeY + span * 0.25, leftX + 10.0, rakeY + span * 0.45, leftX,
                      rakeY + span * 0.5);
    breakLine.cubicTo(leftX - 10.0, rakeY + span * 0.55, leftX + 10.0, rakeY + span * 0.75, leftX,
                      baseY);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawPath(breakLine);

    // One-pixel lines on pixel centres, so that they stay black instead of two grey rows.
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(Qt::black, 1.0));

    // Flank wear: a vertical dimension right of the edge.
    const qreal dimX = 282.0;
    painter.drawLine(QPointF(edgeX + 4.0, rakeY), QPointF(dimX + 6.0, rakeY));
    painter.drawLine(QPointF(landX + 8.0, landBottomY), QPointF(dimX + 6.0, landBottomY));
    painter.drawLine(QPointF(dimX, rakeY), QPointF(dimX, landBottomY));
    ArrowHead(painter, QPointF(dimX, rakeY), 0.0, -1.0);
    ArrowHead(painter, QPointF(dimX, landBottomY), 0.0, 1.0);
    WearSymbol(painter, QPointF(dimX + 7.0, (rakeY + landBottomY) / 2.0 + 5.0),
               QStringLiteral("з"));

    // Dimensional wear: a short horizontal dimension above the edge, arrows from outside.
    const qreal dimY = 40.0;
    painter.drawLine(QPointF(landX, rakeY - 4.0), QPointF(landX, dimY - 4.0));
    painter.drawLine(QPointF(edgeX, rakeY - 4.0), QPointF(edgeX, dimY - 4.0));
    painter.drawLine(QPointF(landX - 22.0, dimY), QPointF(edgeX + 22.0, dimY));
    ArrowHead(painter, QPointF(landX, dimY), 1.0, 0.0);
    ArrowHead(painter, QPointF(edgeX, dimY), -1.0, 0.0);
    WearSymbol(painter, QPointF(landX + 1.0, dimY - 13.0), QStringLiteral("р"));

    return picture;
}

// Text turned 90° anticlockwise on the face grey, centred along the picture's height.
// Each run is a piece of text and whether it is a subscript.
struct Run {
    QString text;
    bool subscript;
};

QImage AxisTitle(int width, int height, const std::vector<Run> &runs) {
    // The largest face size whose text fits the picture's length.
    int pixelSize = 12;
    qreal length = 0.0;
    for (;; --pixelSize) {
        const QFontMetricsF main(SansFont(pixelSize));
        const QFontMetricsF small(SansFont(pixelSize - 2));
        length = 0.0;
        for (const Run &run : runs)
            length += (run.subscript ? small : main).horizontalAdvance(run.text);
        if (length <= height - 2 && main.ascent() + main.descent() <= width + 1)
            break;
    }
    QTextStream(stdout) << "  " << width << "x" << height << ": " << pixelSize << " px, text "
                        << length << " px long\n";

    QImage picture(width, height, QImage::Format_RGB888);
    picture.fill(kFace);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    // Text coordinates: x runs up the picture from its bottom edge, y runs to the right.
    painter.translate(0.0, height);
    painter.rotate(-90.0);
    const QFont mainFont = SansFont(pixelSize);
    const QFont smallFont = SansFont(pixelSize - 2);
    const qreal baseline = std::round(QFontMetricsF(mainFont).ascent());
    qreal x = std::round((height - length) / 2.0);
    for (const Run &run : runs) {
        const QFont &font = run.subscript ? smallFont : mainFont;
        painter.setFont(font);
        painter.drawText(QPointF(x, run.subscript ? baseline + 3.0 : baseline), run.text);
        x += QFontMetricsF(font).horizontalAdvance(run.text);
    }
    return picture;
}

// The help glyph: a white question mark on a blue disc. Drawn at each size on its own
// grid instead of scaled, so that the 16-pixel button picture and its 2x twin stay sharp.
QImage HelpGlyph(int size) {
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(QPen(QColor(16, 58, 140), 1.0));
    painter.setBrush(QColor(38, 104, 210));
    painter.drawEllipse(QPointF(8.0, 8.0), 7.5, 7.5);
    // The stem, the dot and the sides of the hook fall on whole pixels at 1x.
    QPainterPath hook;
    hook.moveTo(5.0, 6.5);
    hook.cubicTo(5.0, 2.5, 11.0, 2.5, 11.0, 6.0);
    hook.cubicTo(11.0, 8.0, 8.0, 7.5, 8.0, 10.0);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7.0, 11.0, 2.0, 2.0));
    return picture;
}

bool Save(const QImage &picture, const QString &path) {
    const bool written =
        path.endsWith(QLatin1String(".jpg")) ? WriteJpeg(picture, path) : picture.save(path, "PNG");
    QTextStream(stdout) << (written ? "wrote " : "FAILED ") << path << "\n";
    return written;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KVR_RESOURCES_DIR);
    QTextStream(stdout) << "text face: " << Family() << "\n";

    bool ok = Save(CheckMark(), folder + QStringLiteral("/checkmark.jpg"));
    ok &= Save(WarningSymbol(), folder + QStringLiteral("/warning.png"));
    ok &= Save(CutterDrawing(), folder + QStringLiteral("/cutter.png"));
    ok &= Save(AxisTitle(17, 155,
                         {{QStringLiteral("Розмірне зношування h"), false},
                          {QStringLiteral("р"), true},
                          {QStringLiteral(", мкм"), false}}),
               folder + QStringLiteral("/wear_axis_title.png"));
    ok &= Save(AxisTitle(13, 111, {{QStringLiteral("Період стійкості Т, хв."), false}}),
               folder + QStringLiteral("/life_axis_title.png"));
    ok &= Save(HelpGlyph(16), folder + QStringLiteral("/help.png"));
    ok &= Save(HelpGlyph(32), folder + QStringLiteral("/help@2x.png"));
    return ok ? 0 : 1;
}
