#!/usr/bin/env python3
"""Generates a realistic tarvelcc benchmark program of a given size.

usage: gen.py SIZE_BYTES SEED > out.c

The program looks like firmware: a handful of globals (data memory is only
64 bytes), named constants, and many functions with parameters, locals,
local arrays, pointers, loops, switches, calls of earlier functions and
every operator family, the multiply/divide/modulo ones included.  It is
plain C as well, so gcc and tcc compile the very same file.

Rules the generator keeps so that every program is accepted:
- few globals (11 bytes of data memory);
- a function is defined before it is called; calls match the parameters;
- loop variables are declared at the top of the block, never in a for header;
- shift counts are constants; pointers never meet != or bitwise operators
  and are only assigned pointer values;
- a postfix ++/-- only follows a plain variable, never a[i] or (x);
- declarations never stand in case bodies (they have no scope of their own);
- +/- chains stay short: each +/- comment line prints its left operand.
"""
import random
import sys

INT_TYPES = ["int", "unsigned int", "char", "unsigned char", "short"]
WORDS = ["sensor", "motor", "speed", "level", "count", "state", "buffer", "crc",
         "flag", "tick", "pwm", "adc", "uart", "timer", "step", "phase", "mask",
         "limit", "delta", "sum", "acc", "pos", "dir", "cmd", "reply"]


class Func:
    def __init__(self, name, ret, params):
        self.name = name
        self.ret = ret          # "void" or an integer type
        self.params = params    # list of (type, name)


class Gen:
    def __init__(self, seed):
        self.r = random.Random(seed)
        self.funcs = []
        self.out = []
        self.size = 0
        self.consts = []

    def emit(self, line, depth=0):
        text = "    " * depth + line + "\n"
        self.out.append(text)
        self.size += len(text)

    def name(self, prefix, n):
        return "%s_%s_%d" % (prefix, self.r.choice(WORDS), n)

    # ---- expressions over the scalar variables in scope ----

    def leaf(self, sc):
        r = self.r.random()
        if r < 0.55:
            return self.r.choice(sc["scalars"])
        if r < 0.75:
            return str(self.r.choice([0, 1, 2, 3, 7, 10, 15, 100, 255, 300, 1000]))
        if r < 0.85 and self.consts:
            return self.r.choice(self.consts)
        if r < 0.93:
            arr, n = self.r.choice(sc["arrays"])
            return "%s[%s & %d]" % (arr, self.r.choice(sc["scalars"]), n - 1)
        return "*" + self.r.choice(sc["ptrs"])

    def expr(self, sc, depth):
        if depth <= 0 or self.r.random() < 0.3:
            return self.leaf(sc)
        k = self.r.random()
        a = self.expr(sc, depth - 1)
        if k < 0.22:
            # short additive chain: at most three terms
            b = self.expr(sc, depth - 1)
            s = "%s %s %s" % (a, self.r.choice("+-"), b)
            if self.r.random() < 0.3:
                s += " %s %s" % (self.r.choice("+-"), self.leaf(sc))
            return "(" + s + ")"
        if k < 0.36:
            op = self.r.choice(["&", "|", "^"])
            return "(%s %s %s)" % (a, op, self.expr(sc, depth - 1))
        if k < 0.46:
            op = self.r.choice(["*", "/", "%"])
            if op == "*":
                return "(%s * %s)" % (a, self.expr(sc, depth - 1))
            return "(%s %s %d)" % (a, op, self.r.choice([3, 5, 7, 10, 16, 100]))
        if k < 0.54:
            return "(%s %s %d)" % (a, self.r.choice(["<<", ">>"]), self.r.randint(1, 5))
        if k < 0.66:
            op = self.r.choice(["<", "<=", ">", ">=", "==", "!="])
            return "(%s %s %s)" % (a, op, self.expr(sc, depth - 1))
        if k < 0.72:
            return "(%s %s %s)" % (a, self.r.choice(["&&", "||"]), self.expr(sc, depth - 1))
        if k < 0.78:
            return "%s(%s)" % (self.r.choice(["-", "~", "!"]), a)
        if k < 0.84:
            return "(%s)%s" % (self.r.choice(INT_TYPES), a if a[0] == "(" else "(" + a + ")")
        if k < 0.94:
            call = self.call(sc, depth - 1, need_value=True)
            if call:
                return call
            return a
        return "(%s * %s)" % (a, self.leaf(sc))

    def call(self, sc, depth, need_value):
        cands = [f for f in self.funcs[-40:] if not need_value or f.ret != "void"]
        if not cands:
            return None
        f = self.r.choice(cands)
        args = ", ".join(self.expr(sc, min(depth, 1)) for _ in f.params)
        return "%s(%s)" % (f.name, args)

    def cond(self, sc):
        a = self.expr(sc, 1)
        op = self.r.choice(["<", "<=", ">", ">=", "==", "!="])
        c = "%s %s %s" % (a, op, self.expr(sc, 1))
        if self.r.random() < 0.3:
            c = "%s && %s" % (c, self.r.choice(sc["scalars"]))
        return c

    # ---- statements ----

    def lvalue(self, sc):
        r = self.r.random()
        if r < 0.7:
            return self.r.choice(sc["assignable"])
        if r < 0.9:
            arr, n = self.r.choice(sc["arrays"])
            return "%s[%s & %d]" % (arr, self.r.choice(sc["scalars"]), n - 1)
        return "*" + self.r.choice(sc["ptrs"])

    def simple(self, sc, d):
        r = self.r.random()
        if r < 0.45:
            self.emit("%s = %s;" % (self.lvalue(sc), self.expr(sc, 3)), d)
        elif r < 0.62:
            op = self.r.choice(["+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="])
            rhs = str(self.r.randint(1, 7)) if op in ("<<=", ">>=", "/=", "%=") else self.expr(sc, 2)
            self.emit("%s %s %s;" % (self.lvalue(sc), op, rhs), d)
        elif r < 0.72:
            v = self.r.choice(sc["assignable"])
            self.emit(self.r.choice(["%s++;", "%s--;", "++%s;", "--%s;"]) % v, d)
        elif r < 0.85:
            c = self.call(sc, 2, need_value=False)
            if c:
                self.emit("%s;" % c, d)
            else:
                self.emit("%s = %s;" % (self.lvalue(sc), self.expr(sc, 2)), d)
        elif r < 0.92:
            p = self.r.choice(sc["ptrs"])
            self.emit("%s = %s;" % (p, sc["ptr_src"][p]), d)
        else:
            self.emit("g_ticks = g_ticks + %s;" % self.r.choice(sc["scalars"]), d)

    def take_loopvar(self, sc):
        """A loop counter no enclosing loop uses; the body may not assign it."""
        v = self.r.choice(sc["loopvars"])
        inner = dict(sc)
        inner["loopvars"] = [x for x in sc["loopvars"] if x != v] or sc["loopvars"]
        inner["assignable"] = [x for x in sc["assignable"] if x != v]
        return v, inner

    def block_stmts(self, sc, d, n, nest):
        for _ in range(n):
            r = self.r.random()
            if nest <= 0 or r < 0.55:
                self.simple(sc, d)
            elif r < 0.65:
                self.emit("if (%s) {" % self.cond(sc), d)
                self.block_stmts(sc, d + 1, self.r.randint(1, 3), nest - 1)
                if self.r.random() < 0.5:
                    self.emit("} else {", d)
                    self.block_stmts(sc, d + 1, self.r.randint(1, 3), nest - 1)
                self.emit("}", d)
            elif r < 0.74:
                v, inner = self.take_loopvar(sc)
                self.emit("for (%s = 0; %s < %d; %s++) {" % (v, v, self.r.randint(2, 20), v), d)
                self.block_stmts(inner, d + 1, self.r.randint(1, 4), nest - 1)
                if self.r.random() < 0.2:
                    self.emit("if (%s) break;" % self.cond(sc), d + 1)
                self.emit("}", d)
            elif r < 0.80:
                v, inner = self.take_loopvar(sc)
                self.emit("%s = %d;" % (v, self.r.randint(3, 30)), d)
                self.emit("while (%s > 0) {" % v, d)
                self.block_stmts(inner, d + 1, self.r.randint(1, 3), nest - 1)
                if self.r.random() < 0.3:
                    self.emit("if (%s) continue;" % self.cond(sc), d + 1)
                self.emit("%s--;" % v, d + 1)
                self.emit("}", d)
            elif r < 0.84:
                self.emit("do {", d)
                self.block_stmts(sc, d + 1, self.r.randint(1, 3), nest - 1)
                self.emit("} while (%s);" % self.cond(sc), d)
            elif r < 0.92:
                self.emit("switch (%s & 7) {" % self.r.choice(sc["scalars"]), d)
                values = sorted(self.r.sample(range(8), self.r.randint(2, 5)))
                for v in values:
                    self.emit("case %d:" % v, d)
                    self.block_stmts(sc, d + 1, self.r.randint(1, 2), 0)
                    if self.r.random() < 0.8:
                        self.emit("break;", d + 1)
                if self.r.random() < 0.7:
                    self.emit("default:", d)
                    self.block_stmts(sc, d + 1, 1, 0)
                self.emit("}", d)
            else:
                # an inner block with its own locals (stack adjustments)
                self.emit("{", d)
                t = "t_%d" % self.r.randint(0, 99)
                ty = self.r.choice(["int", "char", "unsigned int"])
                self.emit("%s %s = %s;" % (ty, t, self.expr(sc, 2)), d + 1)
                inner = dict(sc)
                inner["scalars"] = sc["scalars"] + [t]
                inner["assignable"] = sc["assignable"] + [t]
                self.block_stmts(inner, d + 1, self.r.randint(1, 3), nest - 1)
                self.emit("}", d)

    # ---- functions ----

    def function(self, idx):
        r = self.r
        ret = r.choice(["void", "int", "int", "char", "unsigned int", "unsigned char"])
        params = []
        for k in range(r.randint(0, 3)):
            params.append((r.choice(INT_TYPES), "a%d_%s" % (k, r.choice(WORDS))))
        name = self.name("fn", idx)
        plist = ", ".join("%s %s" % p for p in params)
        self.emit("")
        self.emit("%s %s(%s)" % (ret, name, plist))
        self.emit("{")
        locals_ = ["i", "j", "n", "s", "c", "u"]
        self.emit("int i, j, n;", 1)
        self.emit("int s = %s;" % (params[0][1] if params else "g_ticks"), 1)
        self.emit("char c = %d;" % r.randint(0, 100), 1)
        self.emit("unsigned char u;", 1)
        self.emit("int w[4];", 1)
        self.emit("char cb[8];", 1)
        self.emit("char *p = cb;", 1)
        self.emit("int *q = w;", 1)
        pnames = [p[1] for p in params]
        sc = {
            "scalars": locals_ + pnames + ["g_ticks", "g_mode"],
            "assignable": locals_ + pnames + ["g_ticks", "g_mode"],
            "loopvars": ["i", "j", "n"],
            "arrays": [("w", 4), ("cb", 8), ("g_buf", 8)],
            "ptrs": ["p", "q"],
            "ptr_src": {"p": r.choice(["cb", "&c", "cb + 2", "g_buf"]),
                        "q": r.choice(["w", "&s", "w + 1", "&i"])},
        }
        self.emit("u = 0;", 1)
        self.block_stmts(sc, 1, r.randint(4, 9), 2)
        if ret == "void":
            self.emit("return;", 1)
        else:
            self.emit("return %s;" % self.expr(sc, 2), 1)
        self.emit("}")
        self.funcs.append(Func(name, ret, params))

    def program(self, target):
        self.emit("/* generated benchmark program: firmware-like functions */")
        self.emit("int g_ticks;")
        self.emit("char g_mode;")
        self.emit("char g_buf[8];")
        for k in range(12):
            c = "K_%s_%d" % (self.r.choice(WORDS).upper(), k)
            self.emit("const int %s = %d;" % (c, self.r.randint(1, 200)))
            self.consts.append(c)
        idx = 0
        while self.size < target:
            self.function(idx)
            idx += 1
        self.emit("")
        self.emit("int main()")
        self.emit("{")
        self.emit("g_ticks = 0;", 1)
        self.emit("g_mode = 1;", 1)
        for f in self.funcs[-8:]:
            args = ", ".join(str(self.r.randint(1, 9)) for _ in f.params)
            self.emit("%s(%s);" % (f.name, args), 1)
        self.emit("return 0;", 1)
        self.emit("}")
        return "".join(self.out)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: gen.py SIZE_BYTES SEED")
    target = int(sys.argv[1])
    seed = int(sys.argv[2])
    sys.stdout.write(Gen(seed).program(target))


if __name__ == "__main__":
    main()
