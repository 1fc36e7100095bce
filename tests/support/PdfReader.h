// Reads a printed PDF back through poppler-utils (pdfinfo, pdftotext, pdftoppm), as a user would look at it.
#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

struct PdfInfo
{
    int pages = 0;
    QSizeF pageSizePoints; // of the first page
};

struct PdfWord
{
    QString text;
    QRectF boxPoints; // from the page's top-left corner
};

// Empty (0 pages) when the file cannot be read.
PdfInfo pdfInfo(const QString &file);
// The words of every page with their boxes.
QList<PdfWord> pdfWords(const QString &file);
// The first page rendered by pdftoppm at the resolution, written beside the file; null on failure.
QImage pdfPageImage(const QString &file, int dotsPerInch);
