// The page number tool: an annotation showing the chart's page and its number of pages.
#pragma once

#include "TAnnotationTool.h"

class TPageNumTool : public TAnnotationTool
{
    Q_OBJECT
    Q_PROPERTY(QString Format READ Format WRITE SetFormat)
public:
    Q_INVOKABLE explicit TPageNumTool(QObject *owner = nullptr);

    // The annotation's text, with a placeholder for the page and one for the page count.
    QString Format() const { return Text(); }
    void SetFormat(const QString &value) { SetText(value); }
    // Not stored while it is the library's current default text, so a translation changes it.
    Q_INVOKABLE bool IsFormatStored() const;
    // The format is the library's default text, in English or in the current language.
    bool IsDefaultFormat() const;
    Q_INVOKABLE bool IsTextStored() const { return false; }

    // The format with the page and the page count filled in; any other placeholder stays as it is.
    QString GetText() const override;
    QString Description() const override;
};
