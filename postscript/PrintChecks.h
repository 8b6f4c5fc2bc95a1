// The checks made when a print job starts.
#pragma once

namespace orvane {

struct NotificationRecord;
class PageRectangle;
class PrintedPageSequence;

// Decides whether the job gets trapping and loads what the writers read; may cancel
// the job by storing 1 in the record's result. 0 after a Cancel at the moved-pages
// message, otherwise 1.
int RunPrintChecks(NotificationRecord& record, PrintedPageSequence& sequence, PageRectangle& rectangle);

// Notification 118: sets back the print setting that this job's checks changed.
void RestorePrintSetting();

}  // namespace orvane
