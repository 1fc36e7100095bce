// The application object: no exception may leave an event handler.
#pragma once

#include <QApplication>

class GuardedApplication : public QApplication
{
    Q_OBJECT
public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Caption of the error box; the program sets it from its language table.
    void setErrorCaption(const QString &caption) { m_errorCaption = caption; }
    QString errorCaption() const { return m_errorCaption; }

    // Shows an error box for an exception that reached the event loop; the program goes on.
    void reportException(const QString &what);

private:
    QString m_errorCaption = QStringLiteral("Fehler");
    bool m_reporting = false;
};
