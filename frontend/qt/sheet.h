// The sheets of a variant for a class (training::SheetsHtml) printed with Qt's rich text engine.
#pragma once

#include <QDate>
#include <QString>

#include "training/exam.h"

class QPagedPaintDevice;

// Onto a printer or a PDF writer, with its page size and margins.
void PrintSheets(const training::Paper& paper, const QDate& date, QPagedPaintDevice& device);

// As a PDF file on A4, written whole or not at all: empty, or why it could not be written.
QString WriteSheetsPdf(const training::Paper& paper, const QDate& date, const QString& path);
