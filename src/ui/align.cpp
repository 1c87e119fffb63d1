#include "ui/align.h"

#include <algorithm>

namespace vorlan::ui {

void AlignItems(const RECT& client, std::vector<TAlignItem>& items) {
  RECT rest = client;
  const auto place = [&](TAlign kind) {
    for (TAlignItem& item : items) {
      if (item.Align != kind) continue;
      const int width = item.Bounds.right - item.Bounds.left;
      const int height = item.Bounds.bottom - item.Bounds.top;
      RECT& b = item.Bounds;
      switch (kind) {
        case TAlign::alTop:
          b = RECT{rest.left, rest.top, rest.right, rest.top + height};
          rest.top = std::min(rest.bottom, b.bottom);
          break;
        case TAlign::alBottom:
          b = RECT{rest.left, rest.bottom - height, rest.right, rest.bottom};
          rest.bottom = std::max(rest.top, b.top);
          break;
        case TAlign::alLeft:
          b = RECT{rest.left, rest.top, rest.left + width, rest.bottom};
          rest.left = std::min(rest.right, b.right);
          break;
        case TAlign::alRight:
          b = RECT{rest.right - width, rest.top, rest.right, rest.bottom};
          rest.right = std::max(rest.left, b.left);
          break;
        case TAlign::alClient:
          b = rest;
          break;
        case TAlign::alNone:
          break;
      }
    }
  };
  for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) place(kind);
}

}  // namespace vorlan::ui
