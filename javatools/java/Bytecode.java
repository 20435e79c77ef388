// Reads a method's bytecode for the instructions that change memory: a
// field written (putfield, putstatic) or an array element stored.
final class Bytecode {
    private Bytecode() {
    }

    static boolean writes(byte[] code) {
        int pc = 0;
        while (pc < code.length) {
            int op = code[pc] & 0xff;
            if (op == 0xb3 || op == 0xb5 || (op >= 0x4f && op <= 0x56))
                return true;
            int length = length(code, pc, op);
            if (length <= 0)
                return true; // unreadable: assume the worst
            pc += length;
        }
        return false;
    }

    private static int length(byte[] code, int pc, int op) {
        if (op == 0xaa || op == 0xab) {
            int at = (pc + 4) & ~3; // the operands start 4-aligned
            if (at + 12 > code.length)
                return -1;
            if (op == 0xaa) {
                int low = readInt(code, at + 4);
                int high = readInt(code, at + 8);
                return at + 12 + 4 * (high - low + 1) - pc;
            }
            return at + 8 + 8 * readInt(code, at + 4) - pc;
        }
        if (op == 0xc4)
            return pc + 1 < code.length && (code[pc + 1] & 0xff) == 0x84 ? 6 : 4;
        if (op == 0x10 || op == 0x12 || (op >= 0x15 && op <= 0x19) || (op >= 0x36 && op <= 0x3a) || op == 0xa9
            || op == 0xbc)
            return 2;
        if (op == 0x11 || op == 0x13 || op == 0x14 || op == 0x84 || (op >= 0x99 && op <= 0xa8)
            || (op >= 0xb2 && op <= 0xb8) || op == 0xbb || op == 0xbd || op == 0xc0 || op == 0xc1 || op == 0xc6
            || op == 0xc7)
            return 3;
        if (op == 0xc5)
            return 4;
        if (op == 0xb9 || op == 0xba || op == 0xc8 || op == 0xc9)
            return 5;
        return op <= 0xc9 ? 1 : -1;
    }

    private static int readInt(byte[] code, int at) {
        return ((code[at] & 0xff) << 24) | ((code[at + 1] & 0xff) << 16) | ((code[at + 2] & 0xff) << 8)
               | (code[at + 3] & 0xff);
    }
}
