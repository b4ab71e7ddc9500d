#include "PrintJob.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <cups/cups.h>

#include <memory>
#include <utility>

namespace kvr {

namespace {

using Kind = JobOutcome::Kind;

// How long a server may keep the job waiting for its next word; a server that takes
// longer is taken for one that does not answer.
constexpr int kAnswerSeconds = 30;

// Whether the connection failed, rather than the server answering with a refusal.
bool Unheard(http_t *http) {
    return httpError(http) != 0 || cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
}

// The server's answer refusing the job. Whether the queue is still there is asked, since
// the server answers a job for a removed queue only with "No such file or directory".
JobOutcome Refusal(http_t *http, const QByteArray &queue) {
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return {Kind::NotAccepting, {}};
    QString answer = QString::fromUtf8(cupsLastErrorString());
    if (answer.endsWith(QLatin1Char('.'))) // the message box ends the sentence itself
        answer.chop(1);
    cups_dest_t *destination = cupsGetNamedDest(http, queue.constData(), nullptr);
    const bool there = destination != nullptr;
    cupsFreeDests(there ? 1 : 0, destination);
    return there ? JobOutcome{Kind::ServerRefusal, answer} : JobOutcome{Kind::NoQueue, {}};
}

// A paused printer (cupsdisable) takes jobs and holds them: the student is told to expect
// the page later.
Kind Taken(http_t *http, const QByteArray &queue) {
    cups_dest_t *destination = cupsGetNamedDest(http, queue.constData(), nullptr);
    const char *state =
        destination ? cupsGetOption("printer-state", destination->num_options, destination->options)
                    : nullptr;
    const bool paused = state && qstrcmp(state, "5") == 0; // IPP_PSTATE_STOPPED
    cupsFreeDests(destination ? 1 : 0, destination);
    return paused ? Kind::Waits : Kind::Sent;
}

// The job's thread belongs to the application, not to the window that started it: closing
// a window leaves the job going, and the application's end waits for it.
class JobThread final : public QThread {
public:
    explicit JobThread(PrintRequest request)
        : QThread(QCoreApplication::instance()), m_request(std::move(request)) {}
    ~JobThread() override { wait(); }

    JobOutcome Outcome() const { return m_outcome; }

private:
    void run() override { m_outcome = PrintPdf(m_request); }

    const PrintRequest m_request;
    JobOutcome m_outcome;
};

} // namespace

JobOutcome PrintPdf(const PrintRequest &request) {
    // A connection of the job's own, so that a silent server ends the wait at the time limit
    // (a limit with no handler is taken as a failure, writing the page included).
    http_t *const http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(),
                                      1, kAnswerSeconds * 1000, nullptr);
    if (!http)
        return {Kind::NoServer, {}};
    const std::unique_ptr<http_t, void (*)(http_t *)> connection(http, httpClose);
    httpSetTimeout(
        http, kAnswerSeconds, [](http_t *, void *) { return 0; }, nullptr);
    const QByteArray queue = request.queue.toUtf8(), title = request.title.toUtf8();
    cups_option_t *options = nullptr;
    int count = 0;
    for (const auto &[name, value] : request.options)
        count = cupsAddOption(name.constData(), value.constData(), count, &options);
    const int job = cupsCreateJob(http, queue.constData(), title.constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        return Unheard(http) ? JobOutcome{Kind::NoServer, {}} : Refusal(http, queue);
    const bool started = cupsStartDocument(http, queue.constData(), job, title.constData(),
                                           CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE;
    const bool written =
        started && cupsWriteRequestData(http, request.pdf.constData(),
                                        size_t(request.pdf.size())) == HTTP_STATUS_CONTINUE;
    // The answer to the whole document, a refusal included. A connection broken on the way
    // brings none, while the server's last error still tells of the job's creation.
    ipp_t *const response =
        started ? cupsGetResponse(http, ("/printers/" + queue).constData()) : nullptr;
    const bool taken =
        written && response && ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    ippDelete(response);
    if (taken)
        return {Taken(http, queue), {}};
    const JobOutcome outcome = response ? Refusal(http, queue) : JobOutcome{Kind::Broken, {}};
    // A job left half sent is not printed later; a broken connection is opened anew for it.
    if (httpError(http) != 0)
        httpReconnect2(http, kAnswerSeconds * 1000, nullptr);
    cupsCancelJob2(http, queue.constData(), job, 0);
    return outcome;
}

void SendPrintJob(PrintRequest request, QObject *context,
                  std::function<void(const JobOutcome &)> done) {
    auto *thread = new JobThread(std::move(request));
    // The outcome is copied out first: the thread may be deleted while `done` shows it.
    QObject::connect(
        thread, &QThread::finished, context,
        [thread, done = std::move(done)] { done(thread->Outcome()); }, Qt::QueuedConnection);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater,
                     Qt::QueuedConnection);
    thread->start();
}

QString JobMessage(const JobOutcome &outcome, const QString &queue) {
    const char *reason = nullptr;
    switch (outcome.kind) {
    case Kind::Sent:
        return QCoreApplication::translate("Dialogs", "Звіт надіслано на принтер «%1».").arg(queue);
    case Kind::Waits:
        return QCoreApplication::translate("Dialogs",
                                           "Звіт надіслано на принтер «%1». Принтер призупинено: "
                                           "звіт чекає в черзі, доки принтер не відновлять.")
            .arg(queue);
    case Kind::NoServer:
        reason = QT_TRANSLATE_NOOP("Print", "сервер друку не відповідає");
        break;
    case Kind::Broken:
        reason = QT_TRANSLATE_NOOP("Print", "зв'язок із сервером друку обірвався посеред завдання");
        break;
    case Kind::NotAccepting:
        reason = QT_TRANSLATE_NOOP("Print", "принтер не приймає завдань");
        break;
    case Kind::NoQueue:
        reason = QT_TRANSLATE_NOOP("Print", "такого принтера немає");
        break;
    case Kind::ServerRefusal:
        reason = QT_TRANSLATE_NOOP("Print", "сервер друку відповів: %1");
        break;
    }
    QString words = QCoreApplication::translate("Print", reason);
    if (outcome.kind == Kind::ServerRefusal)
        words = words.arg(outcome.serverWords);
    return PrintFailureMessage(queue, words);
}

QString PrintFailureMessage(const QString &queue, const QString &reason) {
    return QCoreApplication::translate("Dialogs",
                                       "Не вдалося надрукувати звіт на принтері «%1»: %2.")
        .arg(queue, reason);
}

} // namespace kvr
