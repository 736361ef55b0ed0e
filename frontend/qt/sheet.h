// The sheets of a variant for a class: the problems with the variant, the date, a line for
// the name and room for the answers, then, from a page of its own, the answer key with the
// ranges the check accepts and where the marks begin.
#pragma once

#include <QDate>
#include <QString>

#include "training/exam.h"

class QPagedPaintDevice;

// The sheet and the key as one document for QTextDocument.
QString SheetsHtml(const exam::Paper& paper, const QDate& date);

// Onto a printer or a PDF writer, with its page size and margins.
void PrintSheets(const exam::Paper& paper, const QDate& date, QPagedPaintDevice& device);

// As a PDF file on A4, written whole or not at all: empty, or why it could not be written.
QString WriteSheetsPdf(const exam::Paper& paper, const QDate& date, const QString& path);
