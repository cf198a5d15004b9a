// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpbook.h"

#include "helpscenes.h"

#include "quiz/messages.h"
#include "version.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>

namespace {

// Document units at the writer's resolution: 96 per inch, as on the screen the window was drawn
// for, so that a picture is as wide in print as the window is on screen.
constexpr int kResolution = 96;
constexpr double kMaxPictureWidth = 600;

// Gives every picture its size on the page: the window's own size, or the text's width where the
// window is wider. The image itself keeps its double resolution.
void sizePictures(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (!part.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = part.charFormat().toImageFormat();
            const QImage picture =
                document.resource(QTextDocument::ImageResource, QUrl(format.name()))
                    .value<QImage>();
            format.setWidth(std::min(picture.deviceIndependentSize().width(), kMaxPictureWidth));
            QTextCursor cursor(&document);
            cursor.setPosition(part.position());
            cursor.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

} // namespace

QString expandHelpSource(const QString &markdown)
{
    // Comments are for the maintainers of the text; the Markdown reader would print them.
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->\\s*"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString text = markdown;
    text.remove(comment);
    text.replace(QStringLiteral("{{version}}"), QStringLiteral(VOCARRA_VERSION));
    text.replace(QStringLiteral("{{end-of-list}}"), QString::fromStdString(quiz::endOfListQuestion(
                                                        "Nouns", "New Words Only", "100 Words")));
    return text;
}

QStringList helpPictureNames(const QString &markdown)
{
    static const QRegularExpression image(QStringLiteral(R"(!\[[^\]]*\]\(([^)\s]+)\))"));
    QStringList names;
    for (const auto &match : image.globalMatch(markdown))
        names << match.captured(1);
    return names;
}

QString writeHelpBook(const QString &markdown, const QString &pdfPath)
{
    QTextDocument document;
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    // Resources are added after the text, because setting the text clears them.
    document.setMarkdown(expandHelpSource(markdown));
    for (const QString &name : helpPictureNames(markdown)) {
        const QImage picture = renderHelpScene(name);
        if (picture.isNull())
            return QStringLiteral("the help text shows a picture that is not a scene: %1")
                .arg(name);
        document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
    }
    sizePictures(document);

    QPdfWriter writer(pdfPath);
    writer.setResolution(kResolution);
    // No margins of the writer's own: printing a document adds a margin of 2 cm and the page
    // numbers itself.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(QStringLiteral("LexoSpan Help"));
    writer.setCreator(QStringLiteral("Vocarra " VOCARRA_VERSION));
    document.print(&writer);
    // QPdfWriter reports no error of its own: a document that did not reach the disk shows as a
    // missing or empty file.
    const QFileInfo written(pdfPath);
    if (!written.isFile() || written.size() == 0)
        return QStringLiteral("could not write %1").arg(pdfPath);
    return {};
}
