#include "toolkit/Application.h"
#include "toolkit/Form.h"

int main(int argc, char** argv) {
    norvalt::TApplication app(argc, argv);
    norvalt::TForm form;
    form.SetCaption("Norvalt");
    form.SetClientSize(1525, 730);
    form.Show();
    return app.Run();
}
