#include "pdftools.h"

#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

ToolResult RunTool(const QString &program, const QStringList &arguments)
{
    ToolResult result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        result.err = QStringLiteral("%1 did not run: %2").arg(program, process.errorString());
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString PdfLayoutText(const QString &path, int firstPage, int lastPage)
{
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (firstPage > 0)
        args << QStringLiteral("-f") << QString::number(firstPage);
    if (lastPage > 0)
        args << QStringLiteral("-l") << QString::number(lastPage);
    args << path << QStringLiteral("-");
    return RunTool(QStringLiteral("pdftotext"), args).out;
}

QMap<QString, QString> PdfInfo(const QString &path)
{
    QMap<QString, QString> info;
    const ToolResult r = RunTool(QStringLiteral("pdfinfo"), {path});
    for (const QString &line : r.out.split(u'\n')) {
        const int colon = line.indexOf(u':');
        if (colon > 0)
            info.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return info;
}

QVector<PdfWord> PdfWords(const QString &path)
{
    QVector<PdfWord> words;
    const ToolResult r =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    int page = 0;
    for (const QString &line : r.out.split(u'\n')) {
        if (line.contains(QLatin1String("<page ")))
            ++page;
        const QRegularExpressionMatch m = wordRe.match(line);
        if (!m.hasMatch())
            continue;
        PdfWord w;
        w.page = page;
        w.xMin = m.captured(1).toDouble();
        w.yMin = m.captured(2).toDouble();
        w.xMax = m.captured(3).toDouble();
        w.yMax = m.captured(4).toDouble();
        w.text = m.captured(5);
        words.push_back(w);
    }
    return words;
}

QVector<QVector<PdfWord>> PdfLines(const QVector<PdfWord> &words, int page)
{
    QVector<QVector<PdfWord>> lines;
    for (const PdfWord &w : words) {
        if (w.page != page)
            continue;
        auto it = std::find_if(lines.begin(), lines.end(), [&](const QVector<PdfWord> &l) {
            return std::abs(l.front().yMax - w.yMax) < 0.5;
        });
        if (it == lines.end())
            lines.push_back({w});
        else
            it->push_back(w);
    }
    std::sort(lines.begin(), lines.end(),
              [](const auto &a, const auto &b) { return a.front().yMax < b.front().yMax; });
    for (auto &l : lines)
        std::sort(l.begin(), l.end(),
                  [](const PdfWord &a, const PdfWord &b) { return a.xMin < b.xMin; });
    return lines;
}
