#include "PrintJob.h"

#include <QCoreApplication>

#include <cups/cups.h>

namespace kvr {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("Print", text); }

// The server's last answer, worded where a student can act on it. Whether the queue is
// still there is asked, since libcups answers a job for a removed queue only with "No such
// file or directory".
QString Refusal(const QByteArray &queue) {
    const ipp_status_t status = cupsLastError();
    QString answer = QString::fromUtf8(cupsLastErrorString());
    if (answer.endsWith(QLatin1Char('.'))) // the message box ends the sentence itself
        answer.chop(1);
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return Tr(QT_TRANSLATE_NOOP("Print", "принтер не приймає завдань"));
    cups_dest_t *destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    const bool there = destination != nullptr;
    cupsFreeDests(there ? 1 : 0, destination);
    if (!there)
        return Tr(QT_TRANSLATE_NOOP("Print", "такого принтера немає"));
    return Tr(QT_TRANSLATE_NOOP("Print", "сервер друку відповів: %1")).arg(answer);
}

} // namespace

Expected<void> PrintPdf(const QString &queue, const QByteArray &pdf, const QString &title,
                        int copies) {
    const QByteArray name = queue.toUtf8(), jobTitle = title.toUtf8();
    cups_option_t *options = nullptr;
    const int count = cupsAddOption("copies", QByteArray::number(copies).constData(), 0, &options);
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), jobTitle.constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        return Failure(Refusal(name));
    const bool started =
        cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, jobTitle.constData(),
                          CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE;
    const bool written =
        started && cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) ==
                       HTTP_STATUS_CONTINUE;
    // Finishing reads the server's answer to the whole document, a refusal included.
    const ipp_status_t answer =
        started ? cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) : cupsLastError();
    if (written && answer <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    // A job left half sent is not printed later.
    const QString reason = Refusal(name);
    cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
    return Failure(reason);
}

} // namespace kvr
