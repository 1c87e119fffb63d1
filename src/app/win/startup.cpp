#include "app/win/startup.h"

#include "app/app_title.h"
#include "app/error_text.h"

namespace vorlan::app {

void SetUpApplication(ui::TApplication& application) {
  application.SetTitle(kApplicationTitle);
  application.ErrorText = ErrorBoxText;
}

}  // namespace vorlan::app
