#include "sim/register_image.h"

RegisterImage FactoryRegisterImage(EcuVariant variant) {
    RegisterImage image = {
        {0x10, 0x01},  // TPS direction: normal
        {0x12, 0x05},  // TPS hysteresis 0.10 V
        {0x13, 0x01},  // lambda probe 0-1 V
        {0x15, 0x3C},  // probe heating 60 s (low byte)
        {0x16, 0x00},  //   high byte
        {0x1E, 0x24},  // simulated lambda ON 0.36 s
        {0x1F, 0x24},  //   OFF 0.36 s
        {0x20, 0x01},  // fuel cut-off enabled
        {0x21, 0x14},  // cut-off opening 20 steps
        {0x2B, 0x02},  // two ignition coils
        {0x2C, 0x04},  // four cylinders
        {0x3D, 0x50},  // actuator idle steps 80
        {0x3E, 0x96},  // actuator high-speed steps 150
        {0x41, 0x0A},  // low-speed max steps
        {0x42, 0x14},  // high-speed max steps
        {0x45, 0x02},  // low-speed min steps
        {0x46, 0x05},  // high-speed min steps
        {0x60, 0x00},  // lambda simulation: standard
        {0x70, 0x19},  // cut-off delay 0.50 s
        {0x74, 0x01},  // switch-over when rising
        {0x75, 0xB0},  // switch-over at 1200 rpm (low byte)
        {0x76, 0x04},  //   high byte
        {0x77, 0x32},  // overlap 0.50 s
        {0x78, 0x00},  // lambda signal not taken from the probe
        {0x80, 0x05},  // return after 5 minutes
        {0x81, 0x23},  // default injection time 3.5 ms
        {0x82, 0x01},  // auxiliary relay: emulator
    };
    if (variant == EcuVariant::Q5100) {
        // Cut-off speed held as an ignition period over three bytes:
        // 120000000 * 2 coils / (4 cylinders * 4500 rpm) = 13333 = 0x003415.
        image[0x25] = 0x00;
        image[0x26] = 0x34;
        image[0x27] = 0x15;
    } else {
        image[0x26] = 0x11;  // cut-off at 4500 rpm = 0x1194
        image[0x27] = 0x94;
        image[0x79] = 0x23;  // injection time 3.5 ms
        image[0x7A] = 0x16;  // per speed band
        image[0x7B] = 0x1A;
        image[0x7C] = 0x1E;
        image[0x7F] = 0x00;  // automatic return to liquid fuel off
    }
    return image;
}
