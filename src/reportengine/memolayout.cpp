#include "reportengine/memolayout.h"

namespace
{
constexpr double kEpsilonMm = 1e-6;

struct Token {
    QString separator; // spaces before the word (the indentation for a first word)
    QString word;
};

QString cleanParagraph(const QString &text, bool expandTabs)
{
    QString line = expandTabs ? ExpandTabs(text) : QString(text).replace(u'\t', u' ');
    QString out;
    out.reserve(line.size());
    for (const QChar c : line) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            out.append(c);
    }
    return out;
}

std::vector<Token> tokenize(const QString &text)
{
    std::vector<Token> tokens;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        const int sepStart = i;
        while (i < n && text.at(i) == u' ')
            ++i;
        if (i == n)
            break; // trailing spaces carry nothing
        const int wordStart = i;
        while (i < n && text.at(i) != u' ')
            ++i;
        tokens.push_back(
            {text.mid(sepStart, wordStart - sepStart), text.mid(wordStart, i - wordStart)});
    }
    return tokens;
}

class ParagraphBreaker
{
public:
    ParagraphBreaker(double width, MemoJustify justify, const TextMeasure &measure,
                     std::vector<MemoLine> &out)
        : width_(width), justify_(justify), measure_(measure), out_(out)
    {
    }

    void run(const std::vector<Token> &tokens)
    {
        for (const Token &t : tokens)
            place(t);
        finishLine(true);
    }

private:
    void place(Token t)
    {
        if (current_.empty() && !firstLine_)
            t.separator.clear(); // the spaces at a break are dropped
        double add = measure_(t.separator) + measure_(t.word);
        if (!current_.empty() && currentWidth_ + add > width_ + kEpsilonMm) {
            finishLine(false);
            t.separator.clear();
            add = measure_(t.word);
        }
        if (current_.empty() && add > width_ + kEpsilonMm) {
            if (measure_(t.separator) >= width_)
                t.separator.clear();
            splitLongWord(t);
            return;
        }
        current_.push_back(t);
        currentWidth_ += add;
    }

    // A word wider than the line: as many characters as fit on each line, at least one.
    void splitLongWord(Token t)
    {
        QString rest = t.word;
        QString separator = t.separator;
        while (!rest.isEmpty()) {
            const double sepWidth = measure_(separator);
            int take = 1;
            double used = sepWidth + measure_(rest.left(1));
            while (take < rest.size()) {
                const double next = measure_(rest.mid(take, 1));
                if (used + next > width_ + kEpsilonMm)
                    break;
                used += next;
                ++take;
            }
            current_.push_back({separator, rest.left(take)});
            currentWidth_ = used;
            rest = rest.mid(take);
            separator.clear();
            if (!rest.isEmpty())
                finishLine(false);
        }
    }

    void finishLine(bool last)
    {
        MemoLine line;
        line.lastOfParagraph = last;
        if (!current_.empty()) {
            const bool spread = justify_ == MemoJustify::Block && !last && current_.size() > 1;
            if (!spread) {
                QString text;
                for (const Token &t : current_)
                    text += t.separator + t.word;
                line.runs.push_back({text, 0.0});
            } else {
                const double extra =
                    (width_ - currentWidth_) / static_cast<double>(current_.size() - 1);
                double x = 0.0;
                for (size_t i = 0; i < current_.size(); ++i) {
                    const Token &t = current_[i];
                    if (i == 0) {
                        line.runs.push_back({t.separator + t.word, 0.0});
                        x = measure_(t.separator + t.word);
                        continue;
                    }
                    x += measure_(t.separator) + extra;
                    line.runs.push_back({t.word, x});
                    x += measure_(t.word);
                }
            }
        }
        out_.push_back(line);
        current_.clear();
        currentWidth_ = 0.0;
        firstLine_ = false;
    }

    double width_;
    MemoJustify justify_;
    const TextMeasure &measure_;
    std::vector<MemoLine> &out_;
    std::vector<Token> current_;
    double currentWidth_ = 0.0;
    bool firstLine_ = true;
};
} // namespace

QString ExpandTabs(const QString &line, int tabSize)
{
    if (tabSize <= 0 || !line.contains(u'\t'))
        return line;
    QString out;
    out.reserve(line.size() + 8);
    for (const QChar c : line) {
        if (c == u'\t') {
            const int spaces = tabSize - static_cast<int>(out.size() % tabSize);
            out.append(QString(spaces, u' '));
        } else {
            out.append(c);
        }
    }
    return out;
}

std::vector<MemoLine> LayoutMemo(const QStringList &paragraphs, double widthMm, MemoJustify justify,
                                 bool expandTabs, const TextMeasure &measure)
{
    std::vector<MemoLine> lines;
    if (widthMm <= 0.0)
        return lines;
    for (const QString &entry : paragraphs) {
        QString normalized = entry;
        normalized.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        for (const QString &paragraph : normalized.split(u'\n')) {
            ParagraphBreaker breaker(widthMm, justify, measure, lines);
            breaker.run(tokenize(cleanParagraph(paragraph, expandTabs)));
        }
    }
    return lines;
}
