// The command line's streams: standard output carries the result and must arrive whole,
// standard error the messages, and the progress only when a person watches a terminal.
#pragma once

#include <QByteArray>
#include <QString>

namespace kvr {

void WriteOut(const QByteArray &bytes);
// Flushes standard output; false when anything written to it was lost.
bool FinishOut();
void WriteError(const QString &line);
// Keeps the toolkit's own warnings ("XDG_RUNTIME_DIR not set…") off standard error, which
// a batch run keeps for its own messages.
void SilenceToolkitMessages();

// "Перевірено 120 з 300", rewritten in place on a terminal; nothing when redirected.
class Progress {
public:
    Progress(const char *caption, qsizetype total);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    void Step();
    // A message line, kept above the progress.
    void Message(const QString &line);

private:
    void Show();

    QString m_caption;
    qsizetype m_total;
    qsizetype m_done = 0;
    bool m_shown;
};

} // namespace kvr
