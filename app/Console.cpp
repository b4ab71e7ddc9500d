#include "Console.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace kvr {

void WriteOut(const QByteArray &bytes) {
    // A short write sets the stream's error, which FinishOut reports.
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

bool FinishOut() { return std::fflush(stdout) == 0 && !std::ferror(stdout); }

void WriteError(const QString &line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

void SilenceToolkitMessages() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

Progress::Progress(const char *caption, qsizetype total)
    : m_caption(QCoreApplication::translate("CommandLine", caption)), m_total(total),
      m_shown(isatty(STDERR_FILENO)) {}

Progress::~Progress() {
    if (m_shown && m_done > 0)
        std::fputs("\n", stderr);
}

void Progress::Step() {
    ++m_done;
    Show();
}

void Progress::Message(const QString &line) {
    if (m_shown && m_done > 0)
        std::fputs("\r\x1b[K", stderr);
    WriteError(line);
    Show();
}

void Progress::Show() {
    if (m_shown && m_done > 0)
        std::fputs((QLatin1Char('\r') +
                    QCoreApplication::translate("CommandLine", "%1 %2 з %3", "done of all"))
                       .arg(m_caption)
                       .arg(m_done)
                       .arg(m_total)
                       .toLocal8Bit()
                       .constData(),
                   stderr);
}

} // namespace kvr
