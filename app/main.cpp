#include "app/Form1.h"
#include "toolkit/Application.h"

int main(int argc, char** argv) {
    norvalt::TApplication app(argc, argv);
    norvalt::TForm1 form;
    form.Show();
    return app.Run();
}
