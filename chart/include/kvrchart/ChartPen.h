#pragma once

#include "ChartColor.h"
#include "ChartPart.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace kvr::chart {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode { pmCopy, pmNotXor };
enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class TChartPen : public ChartPart {
public:
    TChartPen() = default;
    virtual ~TChartPen() = default;

    TColor Color() const { return m_color; }
    int Width() const { return m_width; }
    TPenStyle Style() const { return m_style; }
    TPenMode Mode() const { return m_mode; }
    bool Visible() const { return m_visible; }
    bool SmallDots() const { return m_smallDots; }

    void SetColor(TColor value) { Store(m_color, value); }
    void SetWidth(int value) { Store(m_width, value); }
    void SetStyle(TPenStyle value) { Store(m_style, value); }
    void SetMode(TPenMode value) { Store(m_mode, value); }
    void SetVisible(bool value) { Store(m_visible, value); }
    void SetSmallDots(bool value) { Store(m_smallDots, value); }

protected:
    TChartPen(TColor color, int width, TPenStyle style, bool visible)
        : m_color(color), m_width(width), m_style(style), m_visible(visible) {}

private:
    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = TPenStyle::psSolid;
    TPenMode m_mode = TPenMode::pmCopy;
    bool m_visible = true;
    bool m_smallDots = false;
};

class TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen() : TChartPen(clBlack, 1, TPenStyle::psSolid, false) {}
};

class TDottedGrayPen : public TChartPen {
public:
    TDottedGrayPen() : TChartPen(clGray, 1, TPenStyle::psDot, true) {}
};

class TDarkGrayPen : public TChartPen {
public:
    TDarkGrayPen() : TChartPen(clGray, 1, TPenStyle::psSolid, true) {}
};

class TChartAxisPen : public TChartPen {
public:
    TChartAxisPen() : TChartPen(clBlack, 2, TPenStyle::psSolid, true) {}
};

class TChartArrowPen : public TChartPen {
public:
    TChartArrowPen() : TChartPen(clWhite, 1, TPenStyle::psSolid, true) {}
};

class TChartBrush : public ChartPart {
public:
    TColor Color() const { return m_color; }
    TBrushStyle Style() const { return m_style; }
    const QImage &Bitmap() const { return m_bitmap; }

    void SetColor(TColor value) { Store(m_color, value); }
    void SetStyle(TBrushStyle value) { Store(m_style, value); }
    void SetBitmap(const QImage &value) { Store(m_bitmap, value); }

private:
    TColor m_color = clDefault;
    TBrushStyle m_style = TBrushStyle::bsSolid;
    QImage m_bitmap;
};

class TChartFont : public ChartPart {
public:
    QString Name() const { return m_name; }
    int Size() const { return m_size; }
    TColor Color() const { return m_color; }
    bool Bold() const { return m_bold; }
    bool Italic() const { return m_italic; }

    void SetName(const QString &value) { StoreFont(m_name, value); }
    void SetSize(int value) { StoreFont(m_size, value); }
    void SetColor(TColor value) { Store(m_color, value); }
    void SetBold(bool value) { StoreFont(m_bold, value); }
    void SetItalic(bool value) { StoreFont(m_italic, value); }

    // The device font; its pixel size follows the target's pixels per inch when drawn.
    QFont ToQFont() const { return m_font; }

private:
    // Every drawing asks for the font many times: it is made once, when it changes.
    template <class T, class V> void StoreFont(T &field, const V &value) {
        if (Store(field, value))
            m_font = MakeFont();
    }
    QFont MakeFont() const;

    QString m_name = QStringLiteral("Arial");
    int m_size = 8;
    TColor m_color = clBlack;
    bool m_bold = false;
    bool m_italic = false;
    QFont m_font = MakeFont();
};

} // namespace kvr::chart
