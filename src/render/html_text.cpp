// Escaping for the overview page.
#include "render/html_text.h"

std::string htmlEscaped(const std::string &Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (char C : Text) {
    switch (C) {
    case '&':
      Out += "&amp;";
      break;
    case '<':
      Out += "&lt;";
      break;
    case '>':
      Out += "&gt;";
      break;
    case '"':
      Out += "&quot;";
      break;
    case '\'':
      Out += "&#39;";
      break;
    default:
      Out += C;
    }
  }
  return Out;
}

std::string urlEscaped(const std::string &Name) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Out;
  for (unsigned char C : Name) {
    const bool Plain = (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') ||
                       C == '-' || C == '.' || C == '_' || C == '~';
    if (Plain) {
      Out += static_cast<char>(C);
      continue;
    }
    Out += '%';
    Out += Hex[C >> 4];
    Out += Hex[C & 0xF];
  }
  return Out;
}
