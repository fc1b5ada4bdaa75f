#pragma once

class QPagedPaintDevice;
class TPrintLayout;

// Paints every band of the layout on the device's pages (a printer, the
// preview, a PDF) and returns the number of pages, or 0 when the device cannot
// be painted on. The device's page is taken as A4 portrait from its corner, so
// the bands break where they break on every device.
int PaintPages(const TPrintLayout& layout, QPagedPaintDevice& device);
