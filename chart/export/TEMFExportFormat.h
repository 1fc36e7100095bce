// The metafile export format: the chart recorded once and written as EMF (enhanced, the default)
// or WMF by our own record encoders. Two filters in the save dialog, one per kind.
#pragma once

#include "OwnedOptionsForm.h"
#include "TPlotExportFormat.h"
#include "TEMFOptions.h"

#include <QByteArray>

class TEMFExportFormat : public TPlotExportFormat
{
public:
    TEMFExportFormat();
    ~TEMFExportFormat() override;

    QString Description() const override;
    // "emf" when enhanced, "wmf" otherwise.
    QString FileExtension() const override;
    QString FileFilter() const override;
    int GetFilterIndex() const override;
    void SetFilterIndex(int &counter) override;
    // The second filter also switches Enhanced off.
    bool WantsFilterIndex(int index) override;
    // "emf" and "wmf", each setting Enhanced to match.
    bool WantsExtension(const QString &extension) override;
    bool HasExtension(const QString &extension) const override;
    // One class reads both kinds, telling them by their headers.
    GraphicFactory GraphicClass() const override;
    QWidget *Options(bool create = true) override;
    void SaveToStream(QIODevice &stream) override;

    // Checked Enhanced, or true while there is no options form.
    bool Enhanced() const;
    void SetEnhanced(bool value);
    // The file bytes at the format's size.
    QByteArray Metafile();

protected:
    // Linux has no metafile clipboard format: the clipboard gets the chart as a bitmap.
    void DoCopyToClipboard() override;

private:
    OwnedOptionsForm<TEMFOptions> m_options;
};
