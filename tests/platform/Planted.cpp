// A library planted beside a program, under a name the program may ask for.
extern "C" __declspec(dllexport) int orvanePlanted()
{
    return 1;
}
