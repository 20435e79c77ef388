#include "app/text_search.h"

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

Qt::CaseSensitivity sensitivity(const TextSearch::Options &options)
{
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

bool isWholeWord(QStringView text, qsizetype position, qsizetype length)
{
    const bool startsWord = position == 0 || !isWordChar(text[position - 1]);
    const qsizetype end = position + length;
    const bool endsWord = end >= text.size() || !isWordChar(text[end]);
    return startsWord && endsWord;
}

} // namespace

bool TextSearch::matchesAt(QStringView text, QStringView what, qsizetype position,
                           const Options &options)
{
    if (what.isEmpty() || position < 0 || position + what.size() > text.size())
        return false;
    if (text.mid(position, what.size()).compare(what, sensitivity(options)) != 0)
        return false;
    return !options.wholeWord || isWholeWord(text, position, what.size());
}

qsizetype TextSearch::forwardFrom(QStringView text, QStringView what, qsizetype from,
                                  const Options &options)
{
    for (qsizetype at = text.indexOf(what, from, sensitivity(options)); at >= 0;
         at = text.indexOf(what, at + 1, sensitivity(options))) {
        if (!options.wholeWord || isWholeWord(text, at, what.size()))
            return at;
    }
    return -1;
}

qsizetype TextSearch::backwardBefore(QStringView text, QStringView what, qsizetype before,
                                     const Options &options)
{
    qsizetype from = before - 1;
    while (from >= 0) {
        const qsizetype at = text.lastIndexOf(what, from, sensitivity(options));
        if (at < 0)
            return -1;
        if (!options.wholeWord || isWholeWord(text, at, what.size()))
            return at;
        from = at - 1;
    }
    return -1;
}

TextSearch::Hit TextSearch::findNext(QStringView text, QStringView what, qsizetype from,
                                     const Options &options)
{
    Hit hit;
    if (what.isEmpty() || what.size() > text.size())
        return hit;
    from = qBound(qsizetype(0), from, text.size());
    if (options.forward) {
        hit.position = forwardFrom(text, what, from, options);
        if (!hit.found() && from > 0) {
            hit.position = forwardFrom(text, what, 0, options);
            hit.wrapped = hit.found();
        }
    } else {
        hit.position = backwardBefore(text, what, from, options);
        if (!hit.found() && from < text.size()) {
            hit.position = backwardBefore(text, what, text.size(), options);
            hit.wrapped = hit.found();
        }
    }
    return hit;
}

QList<qsizetype> TextSearch::findAll(QStringView text, QStringView what, const Options &options)
{
    QList<qsizetype> positions;
    if (what.isEmpty())
        return positions;
    for (qsizetype at = forwardFrom(text, what, 0, options); at >= 0;
         at = forwardFrom(text, what, at + what.size(), options))
        positions.append(at);
    return positions;
}
