#include "exposure/graphtemplate.h"

#include "reportengine/reportcanvas.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace
{

struct Shape {
    const char *name;
    int minArgs;
    int maxArgs;
    int numbers;   // leading numeric arguments
    bool lastText; // the last argument is quoted text
};

constexpr Shape Shapes[] = {
    {"report", 1, 1, 0, false}, {"orientation", 1, 1, 0, false}, {"margins", 4, 4, 4, false},
    {"font", 2, 3, 0, false},   {"goto", 1, 1, 1, false},        {"newline", 0, 1, 1, false},
    {"left", 2, 2, 1, true},    {"right", 2, 2, 1, true},        {"memo", 3, 3, 2, true},
    {"image", 5, 5, 4, true},   {"belowimage", 0, 1, 1, false},  {"rule", 4, 5, 5, false},
    {"box", 4, 5, 5, false},
};

const Shape *FindShape(const QString &name)
{
    for (const Shape &s : Shapes) {
        if (name == QLatin1String(s.name))
            return &s;
    }
    return nullptr;
}

// Splits a line into words and "quoted text"; false on an unterminated quote.
bool Tokenize(const QString &line, QStringList &tokens)
{
    int i = 0;
    const int n = line.size();
    while (i < n) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        QString token;
        if (line[i] == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == QLatin1Char('"')) {
                    if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
                        token += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                token += line[i++];
            }
            if (!closed)
                return false;
        } else {
            while (i < n && !line[i].isSpace())
                token += line[i++];
        }
        tokens << token;
    }
    return true;
}

bool IsNumber(const QString &text, double *value = nullptr)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (value)
        *value = v;
    return ok && std::isfinite(v);
}

double Num(const TGraphTemplateCommand &c, int i, double fallback = 0)
{
    double v = fallback;
    if (i < c.args.size())
        IsNumber(c.args[i], &v);
    return v;
}

// A line number or count from the file, kept to what a page can use, so that
// a mistyped value neither overflows an int nor loops for ever.
constexpr int MaxLines = 10000;
int LineValue(double value)
{
    if (!(value > 0))
        return 0;
    return value >= MaxLines ? MaxLines : static_cast<int>(value);
}

QString ShapeError(int line, const QString &text)
{
    return QStringLiteral("Graph template, line %1: %2").arg(line).arg(text);
}

const QRegularExpression &ParameterPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\{([A-Za-z0-9_]+)\\}"));
    return pattern;
}

QString Expand(const QString &text, const TGraphTemplateParameters &parameters)
{
    QString out;
    int last = 0;
    auto it = ParameterPattern().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        out += parameters.values.value(m.captured(1));
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

} // namespace

TOpResult<TGraphTemplate> ParseGraphTemplate(const QString &text)
{
    TGraphTemplate tmpl;
    QString current;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int l = 0; l < lines.size(); ++l) {
        const QString line = lines[l].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList tokens;
        if (!Tokenize(line, tokens))
            return TOpResult<TGraphTemplate>::failure(
                ShapeError(l + 1, QStringLiteral("unterminated quote")));
        TGraphTemplateCommand c{tokens.takeFirst().toLower(), tokens, l + 1};
        const Shape *shape = FindShape(c.name);
        if (!shape)
            return TOpResult<TGraphTemplate>::failure(
                ShapeError(c.line, QStringLiteral("unknown command ") + c.name));
        if (c.args.size() < shape->minArgs || c.args.size() > shape->maxArgs)
            return TOpResult<TGraphTemplate>::failure(
                ShapeError(c.line, QStringLiteral("wrong number of values for ") + c.name));
        for (int i = 0; i < shape->numbers && i < c.args.size(); ++i) {
            if (shape->lastText && i == c.args.size() - 1)
                break;
            if (!IsNumber(c.args[i]))
                return TOpResult<TGraphTemplate>::failure(
                    ShapeError(c.line, QStringLiteral("not a number: ") + c.args[i]));
        }
        if (c.name == QLatin1String("font") && !IsNumber(c.args[1]))
            return TOpResult<TGraphTemplate>::failure(
                ShapeError(c.line, QStringLiteral("not a font size: ") + c.args[1]));
        if (c.name == QLatin1String("orientation") && c.args[0] != QLatin1String("portrait") &&
            c.args[0] != QLatin1String("landscape"))
            return TOpResult<TGraphTemplate>::failure(
                ShapeError(c.line, QStringLiteral("unknown orientation ") + c.args[0]));
        if (c.name == QLatin1String("report")) {
            current = c.args[0];
            tmpl.reports[current];
            continue;
        }
        if (current.isEmpty())
            return TOpResult<TGraphTemplate>::failure(
                ShapeError(c.line, QStringLiteral("command before the first report")));
        tmpl.reports[current].append(c);
    }
    return TOpResult<TGraphTemplate>::success(std::move(tmpl));
}

TOpResult<TGraphTemplate> ReadGraphTemplate(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TOpResult<TGraphTemplate>::failure(
            QCoreApplication::translate("GraphTemplate", "Cannot read the report template %1: %2")
                .arg(path, file.errorString()));
    return ParseGraphTemplate(QString::fromUtf8(file.readAll()));
}

TOpStatus CheckGraphReport(const TGraphTemplate &tmpl, const QString &report,
                           const TGraphTemplateParameters &parameters)
{
    const auto found = tmpl.reports.constFind(report);
    if (found == tmpl.reports.constEnd())
        return {QCoreApplication::translate("GraphTemplate", "The report template has no report %1")
                    .arg(report)};
    for (const TGraphTemplateCommand &c : *found) {
        for (const QString &arg : c.args) {
            auto it = ParameterPattern().globalMatch(arg);
            while (it.hasNext()) {
                const QString name = it.next().captured(1);
                if (!parameters.values.contains(name))
                    return {ShapeError(c.line, QStringLiteral("no value for {") + name +
                                                   QStringLiteral("}"))};
            }
        }
    }
    return {};
}

TOpStatus RunGraphReport(const TGraphTemplate &tmpl, const QString &report,
                         const TGraphTemplateParameters &parameters, ReportCanvas &canvas)
{
    const TOpStatus checked = CheckGraphReport(tmpl, report, parameters);
    if (!checked.ok())
        return checked;
    double imageBottom = canvas.marginTop();
    for (const TGraphTemplateCommand &c : tmpl.reports.value(report)) {
        const QString &n = c.name;
        const QString text = c.args.isEmpty() ? QString() : Expand(c.args.last(), parameters);
        if (n == QLatin1String("orientation")) {
            canvas.setOrientation(c.args[0] == QLatin1String("landscape")
                                      ? PageOrientation::Landscape
                                      : PageOrientation::Portrait);
        } else if (n == QLatin1String("margins")) {
            canvas.setMargins(Num(c, 0), Num(c, 1), Num(c, 2), Num(c, 3));
        } else if (n == QLatin1String("font")) {
            canvas.setFont(c.args[0], std::clamp(Num(c, 1, 10), 1.0, 200.0));
            canvas.setBold(c.args.size() > 2 && c.args[2].toLower() == QLatin1String("bold"));
        } else if (n == QLatin1String("goto")) {
            canvas.moveToLine(LineValue(Num(c, 0)));
        } else if (n == QLatin1String("newline")) {
            const int count = c.args.isEmpty() ? 1 : LineValue(Num(c, 0));
            for (int i = 0; i < count; ++i)
                canvas.newLine();
        } else if (n == QLatin1String("left")) {
            canvas.printLeft(Num(c, 0), text);
        } else if (n == QLatin1String("right")) {
            canvas.printRight(Num(c, 0), text);
        } else if (n == QLatin1String("memo")) {
            canvas.printMemo(text.split(QLatin1Char('\n')), Num(c, 0), Num(c, 1),
                             MemoJustify::Left);
        } else if (n == QLatin1String("image")) {
            const double x = Num(c, 0), y = Num(c, 1), w = Num(c, 2), h = Num(c, 3);
            const auto image = parameters.images.constFind(text);
            if (image != parameters.images.constEnd()) {
                if (canvas.printBitmap(x, y, w, h, *image)) {
                    const RectMm placed = ImagePlacement(x, y, w, h, *image);
                    imageBottom = placed.y + placed.height;
                }
            } else {
                canvas.printBitmapFile(x, y, w, h, text);
                imageBottom = y + h;
            }
        } else if (n == QLatin1String("belowimage")) {
            const double gap = Num(c, 0);
            const double lines = (imageBottom + gap - canvas.marginTop()) / canvas.linePitchMm();
            canvas.moveToLine(LineValue(std::ceil(lines)));
        } else if (n == QLatin1String("rule")) {
            canvas.drawLine(Num(c, 0), Num(c, 1), Num(c, 2), Num(c, 3), Num(c, 4, 0.2));
        } else if (n == QLatin1String("box")) {
            canvas.drawRect({Num(c, 0), Num(c, 1), Num(c, 2), Num(c, 3)}, Num(c, 4, 0.2));
        }
    }
    return {};
}
