// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/htmltext.h"

#include <array>
#include <utility>

namespace {

// Elements whose start or end breaks the line of text, as a browser lays them out.
bool breaksLine(QStringView name)
{
    static const std::array<QStringView, 21> blocks{
        u"p",  u"br", u"div", u"li", u"tr", u"td",  u"th",         u"table", u"ul", u"ol", u"h1",
        u"h2", u"h3", u"h4",  u"h5", u"h6", u"pre", u"blockquote", u"dt",    u"dd", u"hr"};
    for (QStringView block : blocks) {
        if (name.compare(block, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Elements whose content is not text to be read.
bool hidesContent(QStringView name)
{
    static const std::array<QStringView, 4> hiddenElements{u"script", u"style", u"head", u"title"};
    for (QStringView hidden : hiddenElements) {
        if (name.compare(hidden, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The character a reference such as "amp", "#233" or "#xE9" stands for; a null string when it
// names none we know.
QString decodeReference(QStringView name)
{
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return {};
        const char32_t codePoint = code;
        return QString::fromUcs4(&codePoint, 1);
    }
    static const std::array<std::pair<QStringView, char16_t>, 21> named{{
        {u"amp", u'&'},    {u"lt", u'<'},        {u"gt", u'>'},     {u"quot", u'"'},
        {u"apos", u'\''},  {u"nbsp", u'\u00A0'}, {u"aacute", u'á'}, {u"eacute", u'é'},
        {u"iacute", u'í'}, {u"oacute", u'ó'},    {u"uacute", u'ú'}, {u"ntilde", u'ñ'},
        {u"uuml", u'ü'},   {u"Aacute", u'Á'},    {u"Eacute", u'É'}, {u"Iacute", u'Í'},
        {u"Oacute", u'Ó'}, {u"Uacute", u'Ú'},    {u"Ntilde", u'Ñ'}, {u"iquest", u'¿'},
        {u"iexcl", u'¡'},
    }};
    for (const auto &[reference, character] : named) {
        if (name == reference)
            return QString(QChar(character));
    }
    return {};
}

bool isHtmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

} // namespace

QString plainTextOfHtml(QStringView html, qsizetype limit)
{
    QString text;
    bool pendingBreak = false; // a block boundary seen since the last text
    bool pendingSpace = false; // white space seen since the last text
    QString hiddenUntil;       // the end tag that closes a hidden element's content
    const auto append = [&](QStringView piece) {
        if (pendingBreak && !text.isEmpty())
            text += u'\n';
        else if (pendingSpace && !text.isEmpty() && !text.endsWith(u'\n'))
            text += u' ';
        pendingBreak = pendingSpace = false;
        text += piece;
    };

    qsizetype i = 0;
    const qsizetype size = html.size();
    while (i < size && text.size() < limit) {
        const QChar c = html[i];
        if (c == u'<') {
            if (html.mid(i, 4) == u"<!--") {
                const qsizetype end = html.indexOf(u"-->", i + 4);
                i = end < 0 ? size : end + 3;
                continue;
            }
            const qsizetype end = html.indexOf(u'>', i + 1);
            if (end < 0)
                break; // an unclosed tag to the end: nothing readable follows
            QStringView tag = html.mid(i + 1, end - i - 1);
            i = end + 1;
            const bool closing = tag.startsWith(u'/');
            if (closing)
                tag = tag.mid(1);
            qsizetype nameEnd = 0;
            while (nameEnd < tag.size() && !isHtmlSpace(tag[nameEnd]) && tag[nameEnd] != u'/')
                ++nameEnd;
            const QStringView name = tag.left(nameEnd);
            if (!hiddenUntil.isEmpty()) {
                if (closing && name.compare(hiddenUntil, Qt::CaseInsensitive) == 0)
                    hiddenUntil.clear();
                continue;
            }
            if (!closing && hidesContent(name) && !tag.endsWith(u'/'))
                hiddenUntil = name.toString();
            else if (breaksLine(name))
                pendingBreak = true;
            continue;
        }
        if (!hiddenUntil.isEmpty()) {
            ++i;
            continue;
        }
        if (isHtmlSpace(c)) {
            pendingSpace = true;
            ++i;
            continue;
        }
        if (c == u'&') {
            // References are short, so only the next few characters can close one; looking
            // further would make a text full of ampersands slow.
            const qsizetype semicolon = html.mid(i + 1, 9).indexOf(u';');
            if (semicolon > 0) {
                const QString decoded = decodeReference(html.mid(i + 1, semicolon));
                if (!decoded.isNull()) {
                    append(decoded);
                    i += semicolon + 2;
                    continue;
                }
            }
        }
        append(html.mid(i, 1));
        ++i;
    }
    return text.left(limit);
}
