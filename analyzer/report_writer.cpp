#include "report_writer.h"

void StartReport(ReportWriter* out, ReportSink sink) {
  out->sink = sink;
  out->used = 0;
}

void FlushReport(ReportWriter* out) {
  if (out->used == 0) return;
  out->sink.write(out->sink.context, out->buffer, out->used);
  out->used = 0;
}
