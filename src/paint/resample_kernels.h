#pragma once

#include "paint/bitmap32.h"
#include "paint/resample.h"

// The two passes of ResampleBitmap. dst already has the pass's size.
namespace vorlan::paint {

// Horizontal: dst.Width() outputs per row from src's columns.
void ResampleRows(const TBitmap32& src, TBitmap32& dst, const TContributions& c);
void ResampleRowsReference(const TBitmap32& src, TBitmap32& dst, const TContributions& c);

// Vertical: dst.Height() output rows from src's rows.
void ResampleColumns(const TBitmap32& src, TBitmap32& dst, const TContributions& c);
void ResampleColumnsReference(const TBitmap32& src, TBitmap32& dst, const TContributions& c);

}  // namespace vorlan::paint
