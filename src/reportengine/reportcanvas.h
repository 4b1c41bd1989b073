#pragma once

#include "reportengine/memolayout.h"
#include "reportengine/rasterimage.h"
#include "reportengine/reportfont.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

enum class PageOrientation { Portrait, Landscape };

// The drawing interface of the report engine. Every position is in millimetres from the
// page's left and top edges; pages are A4. The documents are drawn once through these
// operations and the back ends (PDF file, screen preview and paper) put them on paper.
//
// Text lines: text is laid out on a line grid of the current font. Line 0 starts at the
// top margin; line n starts n line pitches lower. Printing left- or right-aligned text
// happens on the current line and does not move it; newLine() moves to the next line.
//
// Pages: a page is opened only when something is drawn on it, with the orientation in
// force at that moment, so "new page, then landscape" and "landscape, then new page" both
// give a landscape page. Margins and the font are settings of the canvas and stay as they
// are across pages.
//
// The bottom margin: a text line fits on the page when its whole line box (top + pitch)
// lies above the bottom margin. Printing on a line that does not fit (text or memo line)
// first continues on a new page, at line 0, with the same orientation, margins and font;
// the memo goes on between the same left and right x. A line that is moved to but never
// printed on (trailing new lines) opens no page. A page always takes at least one line,
// however large the font, so the engine never loops. Bitmaps, lines and rectangles are
// drawn where they are asked for.
//
// Text given to printLeft()/printRight() is one line: tabs print as spaces, other control
// characters are dropped.
//
// Failures (a picture that cannot be drawn, a position that is not a finite number, a
// library error) are remembered and reported by ok()/errorText(); the faulty operation is
// skipped and drawing goes on so that the caller can finish. A PDF is not written for a
// failed document.
class ReportCanvas
{
public:
    ReportCanvas();
    virtual ~ReportCanvas();
    ReportCanvas(const ReportCanvas &) = delete;
    ReportCanvas &operator=(const ReportCanvas &) = delete;

    void setMargins(double left, double right, double top, double bottom);
    void setOrientation(PageOrientation orientation);
    // Ends the current page (opening it blank when nothing was drawn yet); the next drawing
    // goes on a new page at line 0.
    void newPage();

    void setFont(const QString &name, double sizePt);
    void setBold(bool bold);
    const ReportFont &font() const { return font_; }

    void moveToLine(int line);
    void newLine();
    int currentLine() const { return line_; }

    void printLeft(double x, const QString &text);
    void printRight(double x, const QString &text);

    // Prints a memo between xLeft and xRight starting on the current line, at most maxLines
    // printed lines (0 or less: all of them). The current line ends below the memo.
    // Returns the number of lines printed.
    int printMemo(const QStringList &lines, double xLeft, double xRight, MemoJustify justify,
                  int maxLines = 0, bool expandTabs = false);

    // Prints a bitmap following ImagePlacement(); false when the picture is empty.
    bool printBitmap(double x, double y, double width, double height, const RasterImage &image);
    // Reads a BMP file and prints it; false with the reason when it cannot be read.
    bool printBitmapFile(double x, double y, double width, double height, const QString &path);

    void drawLine(double x1, double y1, double x2, double y2, double penWidthMm = 0.2);
    void drawRect(const RectMm &rect, double penWidthMm = 0.2);

    double pageWidthMm() const;
    double pageHeightMm() const;
    double linePitchMm() const { return font_.linePitchMm(); }
    double marginLeft() const { return left_; }
    double marginRight() const { return right_; }
    double marginTop() const { return top_; }
    double marginBottom() const { return bottom_; }
    // Pages opened so far.
    int pageCount() const { return pages_; }

    bool ok() const { return error_.isEmpty(); }
    QString errorText() const { return error_; }

protected:
    // Back ends: a new page of the given size (A4, turned for landscape).
    virtual void beginPage(double widthMm, double heightMm, PageOrientation orientation) = 0;
    // Text whose baseline starts at (x, baseline).
    virtual void drawText(double x, double baseline, const ReportFont &font,
                          const QString &text) = 0;
    virtual void drawImage(const RectMm &rect, const RasterImage &image) = 0;
    virtual void drawLineMm(double x1, double y1, double x2, double y2, double penWidth) = 0;
    virtual void drawRectMm(const RectMm &rect, double penWidth) = 0;

    // Opens the first page when nothing has been drawn (a document has at least one page).
    void ensurePage();
    // Remembers the first failure.
    void setError(const QString &text);

private:
    // False (and the error remembered) when a value is not finite: a NaN would corrupt
    // the PDF file.
    bool checkPosition(std::initializer_list<double> values);
    void openPageIfPending();
    // Makes sure the current line fits; continues on a new page when it does not.
    void prepareLine();
    double lineTop() const { return top_ + line_ * font_.linePitchMm(); }
    double baseline() const { return lineTop() + font_.ascentMm(); }

    double left_ = 25.0;
    double right_ = 25.0;
    double top_ = 30.0;
    double bottom_ = 30.0;
    PageOrientation orientation_ = PageOrientation::Portrait;
    PageOrientation pageOrientation_ = PageOrientation::Portrait;
    ReportFont font_;
    int line_ = 0;
    int pages_ = 0;
    bool pagePending_ = true;
    QString error_;
};
