// Printing a drawn report on a print queue so that the program learns what became of it.
// The toolkit's print engine hands its spool file to the print server and never says
// whether the queue took it; this sends the PDF itself and reads the server's answer. A
// server may be slow or gone, so the job is sent on a thread of its own and its answer
// comes back to the windows' thread.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class QObject;

namespace kvr {

// A job as the print dialog left it: the queue, the document and the choices, as the
// print server's job options.
struct PrintRequest {
    QString queue;
    QString title;
    QByteArray pdf;
    QList<QPair<QByteArray, QByteArray>> options;
};

// What the print server made of a job, or why it was not heard. Plain data, since it is
// learnt on the job's thread and put into words on the windows' thread.
struct JobOutcome {
    enum class Kind {
        Sent,          // the queue took it
        Waits,         // the queue took it, and it waits for the paused printer
        NoServer,      // nobody answered before the job existed
        Broken,        // the connection broke once the job existed; the job is then cancelled
        NotAccepting,  // the queue refuses jobs
        NoQueue,       // the queue is not there
        ServerRefusal, // refused for a reason of the server's own, in `serverWords`
    };
    Kind kind = Kind::NoServer;
    QString serverWords;

    bool Taken() const { return kind == Kind::Sent || kind == Kind::Waits; }
};

// Sends the job and waits for the server's answer, or for its time limit.
JobOutcome PrintPdf(const PrintRequest &request);

// Sends the job on a thread of its own; `done` gets the answer on `context`'s thread by a
// queued call, and never once `context` is gone. The application waits at its end for a
// job still being sent, so that no page is left half sent.
void SendPrintJob(PrintRequest request, QObject *context,
                  std::function<void(const JobOutcome &)> done);

// A job the queue took, or why not, in words a student can act on: the whole sentence.
QString JobMessage(const JobOutcome &outcome, const QString &queue);

// The sentence of a report not printed on `queue`, for `reason`.
QString PrintFailureMessage(const QString &queue, const QString &reason);

} // namespace kvr
