/* pid.c: a fixed-point PID controller driving a simple plant.
 *
 * Gains are in sixteenths: out = (KP*e + KI*sum(e) + KD*(e - e_prev)) / 16.
 * The integral and the output are clamped.  Comparisons of this compiler
 * are unsigned, so clamp() tests the sign bit itself and compares the
 * magnitudes as unsigned ints.  The plant moves by a quarter of the drive
 * at every step.
 */
const int KP = 12;
const int KI = 3;
const int KD = 4;
const int I_LIMIT = 400;
const int OUT_LIMIT = 120;

int setpoint;
int measured;
int integral;
int prev_error;
int drive;

int clamp(int v, int limit)
{
    int low;
    low = -limit;
    if (v & 0x8000) {
        if ((unsigned int)-v > limit)
            return low;
    } else if ((unsigned int)v > limit) {
        return limit;
    }
    return v;
}

void pid_step()
{
    int error;
    int derivative;

    error = setpoint - measured;
    integral = clamp(integral + error, I_LIMIT);
    derivative = error - prev_error;
    prev_error = error;
    drive = clamp((KP * error + KI * integral + KD * derivative) / 16, OUT_LIMIT);
}

void main()
{
    unsigned char step;

    setpoint = 300;
    measured = 20;
    integral = 0;
    prev_error = 0;
    for (step = 0; step < 12; step++) {
        pid_step();
        measured += drive / 4;
    }
}

/* What main leaves behind, checked by running this program in tarvelsim: */
// EXPECT: measured = 332
// EXPECT: integral = 376
